// The way every result file of the program's formats is read: 80-byte blocks, 78 bytes of a
// record and CR LF, from the first byte of the file, without an envelope line. A last record that
// lacks only its line end is whole; a shorter tail is passed over with its reason.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/DM.h"
#include "edi/ResultReader.h"
#include "edi/ResultReport.h"

namespace selvane {

// The record's 78 bytes and its 1-based number in the file.
using TResultRecordFn =
    std::function<void(TResultReader& reader, std::string_view record, int recordNo)>;

// Reads the file block by block through one TResultReader and gives its report. A file that
// cannot be opened gives a report that is not Opened. Database errors are thrown.
TResultReport ReadResultBlocks(const std::string& fileName, TDModule& dm,
                               const TResultRecordFn& onRecord);

// A whole number of a record, 0 when the field is not one (blanks around it allowed).
int FieldInteger(std::string_view field);

}  // namespace selvane
