// The reading loop that result files of 78-byte records share: the file in blocks of 80 bytes
// (78 and CR LF) from its first byte, the first byte of a record choosing header, data or end,
// any other record passed over, a last record lacking only its line end still read, a shorter
// tail passed over. The format's routines take the fields out of each record and hand them to
// the reader's rules.
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

struct TResultRecordKinds {
  TResultRecordFn Header;  // 'S'
  TResultRecordFn Data;    // 'D'
  TResultRecordFn End;     // 'E'
};

// Reads the file with the routines of its format. A file that cannot be opened gives a report
// that is not Opened. What the routines throw (database errors, TResultFileError) ends the run.
TResultReport ReadResultBlocks(const std::string& fileName, TDModule& dm,
                               const TResultRecordKinds& kinds);
// The same loop with one routine for every record, for formats whose kinds are not S, D and E.
TResultReport ReadResultBlocks(const std::string& fileName, TDModule& dm,
                               const TResultRecordFn& onRecord);

// The text of a result field as UTF-8; false for bytes that are not CP949.
bool DecodeField(std::string_view cp949, std::string& utf8);

// A header's bank code and trimmed institution code as UTF-8 and handed to the reader; bytes
// that are not CP949 select no institution, with the reason.
void HeaderOf(TResultReader& reader, std::string_view record, int recordNo, std::string_view bankId,
              std::string_view code, TInstitutionCode which = TInstitutionCode::CorCode);

// A data record's bank code, trimmed account and result code as UTF-8; false, with the record
// counted and reported, when one of them is not CP949.
struct TDataFields {
  std::string BankId, Account, Result;
};
bool DecodeDataFields(TResultReader& reader, std::string_view record, int recordNo,
                      std::string_view bankId, std::string_view account, std::string_view result,
                      TDataFields& fields);

// The whole number of a field, blanks around it allowed; nullopt when it is not one.
std::optional<int> FieldWholeNumber(std::string_view field);
// The same, 0 when the field is not one.
int FieldInteger(std::string_view field);

}  // namespace selvane
