// The fixed-position recipient file ("불러오기"): one recipient per line, bank code at 1-2,
// account at 4-23, amount at 25-33, resident number at 35-47, name at 49-68 (CP949 bytes).
// Every line is inserted into the order whatever its checks say (account, resident number, an
// amount that is not above zero, a bank code that is no row of the bank table); the lines that
// fail a check are listed in an error file beside the program. A line whose amount or resident
// number cannot be read, or whose name holds a control character, stops the import and removes
// what it inserted; so does a store that cannot be committed.
#pragma once

#include <optional>
#include <string>

#include "core/DM.h"
#include "core/Globals.h"

namespace selvane {

struct TFixedImportRequest {
  TOrderKey Order;
  std::string OrderBank;          // BankID of the order
  std::optional<int> FundChoice;  // the chosen fund category entry, where the category applies
  std::string DongName;           // names of the error file
  std::string ItemName;
};

struct TFixedImportOutcome {
  enum class TEnd {
    Completed,        // every line inserted, the error file written
    DuplicateUndone,  // a recipient was there twice: this import's rows removed again
    Stopped,          // a file or line could not be read: nothing of this import stays
  };
  TEnd End = TEnd::Stopped;
  int Inserted = 0;
  int ErrorLines = 0;
  std::string ErrorFile;
};

// The error file of an order: ExeDir + dong + "_" + item + ".txt".
std::string ImportErrorFileName(const std::string& dongName, const std::string& itemName);

// Imports the file into the order, with every message of the import; leaves TB_TransSub
// restricted to the order.
TFixedImportOutcome ImportFixedPositionFile(TDModule& dm, const TFixedImportRequest& request,
                                            const std::string& fileName);

}  // namespace selvane
