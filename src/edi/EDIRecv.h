// The receive side of the exchange: pairs the result files of the receive folder with their
// institutions, reads each with the reader of the institution's bank format, and lists the
// files that no institution receives. Reports in the status line. A file is applied whole or
// not at all, and every file the run has handled leaves the receive folder for its Old folder,
// so that nothing there is ever read twice.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/DM.h"
#include "edi/ExchangeView.h"
#include "edi/ResultReport.h"

namespace selvane {

using TRecvFn = TResultReport (*)(const std::string& fileName, TDModule& dm);

// A row of the receive table: the bank codes it serves and the reader of their format.
struct TRecvFormat {
  const char* Name;
  bool (*Serves)(std::string_view bankId);  // nullptr: every code (the last row)
  TRecvFn Read;
};

// The reader for an institution's bank code: the first row of the receive table that serves it,
// else the standard format.
const TRecvFormat& RecvFormatFor(std::string_view bankId);
// The rows of the receive table, in the order they are tested.
std::span<const TRecvFormat> RecvFormats();

// A result file to read and the bank code of the institution that receives it.
struct TReceiveEntry {
  std::string BankId;
  std::string FileName;  // full path, as it is on disk
};

// One entry per institution, in table order, whose RecvName names a file in the receive folder.
// Two institutions with the same RecvName give the file twice.
std::vector<TReceiveEntry> ReceiveWorkList(TDModule& dm);

// The receive folder's Old folder, where handled files go.
std::string ReceivedFilesFolder();

// Reads the first entry of the list with its format, inside a savepoint of the open write
// transaction, and removes it; false when the list is empty. A file that is not whole (no valid
// end record) has everything it changed undone and one list line that says so. Adds the file's
// list lines and a warning with every record passed over to the view. Database errors are
// thrown.
bool DispatchResultFile(std::vector<TReceiveEntry>& list, TDModule& dm, IExchangeView& view,
                        TResultReport* report = nullptr);

// Reads every result file of the receive folder, commits the changes and moves the files read
// to the Old folder. True when it ran to the end (also when there was nothing to read); a
// failure shows its reason, and nothing of the run stays applied.
bool ApplyResultFiles(TDModule& dm, IExchangeView& view);

// Adds a line "알수없음" for every file of the receive folder whose name, in upper case, is no
// institution's RecvName, and moves those files to the Old folder too.
void ListForeignFiles(TDModule& dm, IExchangeView& view);

}  // namespace selvane
