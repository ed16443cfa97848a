// The payment statement of a dong and an item: which recipients it lists (six choices), their
// bank and result names, the totals of what was paid and what was not, and the unpaid list file
// (one fixed-position line per recipient without a successful result, in the layout the
// fixed-position import reads back). The window, selvane-cli and the report share it; nothing
// here draws.
#pragma once

#include <string>
#include <vector>

#include "core/DM.h"
#include "core/Money.h"

namespace selvane {

// The dong list's first entry: every dong, looked up as the code "0000".
inline constexpr const char* kAllDongsName = "전체동";
inline constexpr const char* kAllDongsCode = "0000";
// The result code of a payment that went through; any other result, or none, is unpaid.
inline constexpr const char* kPaidResult = "0000";

// The entries of the choice group "선택", in order (0 is the default).
enum class TPrintChoice {
  AllData = 0,         // every recipient of the item, all dongs
  DongItemAll = 1,     // the dong's recipients of the item
  DongItemPaid = 2,    // of those, the paid ones
  DongItemUnpaid = 3,  // of those, the unpaid ones
  Dong = 4,            // every recipient of the dong, all items
  Item = 5,            // every recipient of the item, all dongs
};
inline constexpr int kPrintChoiceCount = 6;
extern const char* const kPrintChoiceNames[kPrintChoiceCount];

inline constexpr const char* kChooseDongAndItem = "동 및 항목을 선택하여주세요";
inline constexpr const char* kNoMatchingData = "출력할 조건에 맞는 자료가 존재 하지 않습니다.";

// The code of a shown name: "0000" for "전체동", else the first dong (item) of that name on
// Qry1; empty when there is none.
std::string DongCodeOf(TDModule& dm, const std::string& shownName);
std::string ItemCodeOf(TDModule& dm, const std::string& shownName);

// One listed recipient, with the two looked-up names (empty when there is no such row).
struct TStatementRow {
  std::string Name;
  std::string Jumin;
  std::string BankId;
  std::string BankName;  // BankNM of the recipient's bank, at most 25 bytes
  std::string BankNo;
  TMoney Monecy;
  std::string Result;
  std::string ResultName;  // Result_NM of (the recipient's bank, Result), at most 20 bytes

  bool Paid() const { return Result == kPaidResult; }
};

// Counts and amounts of the listed rows. Count is always PaidCount + UnpaidCount.
struct TStatementTotals {
  int Count = 0;
  TMoney Amount;
  int PaidCount = 0;
  TMoney PaidAmount;
  int UnpaidCount = 0;
  TMoney UnpaidAmount;

  void Add(const TStatementRow& row);
};

struct TPaymentStatement {
  std::string Heading;  // after "동명 :"
  std::vector<TStatementRow> Rows;
  TStatementTotals Totals;
};

// The recipients of the choice in the table's key order. The item code is ignored by choice 4,
// the dong code by choices 0 and 5 and, when it is "0000", by choices 1 to 3.
std::vector<TStatementRow> SelectStatementRows(TDModule& dm, TPrintChoice choice,
                                               const std::string& dongCode,
                                               const std::string& itemCode);

// "전체" for choice 0; else the trimmed dong name, "-", the trimmed item name.
std::string StatementHeading(TPrintChoice choice, const std::string& dongName,
                             const std::string& itemName);

// ExeDir + dong name + item name + "Error.Txt"; separators and control characters in the names
// become "_", so that the file stays in the program folder.
std::string UnpaidListFileName(const std::string& dongName, const std::string& itemName);

// The unpaid list line of a recipient as CP949 bytes, without the line end: bank code, account
// without "-" (15), amount (9 digits, zero-filled), resident number without "-" (13), name, with
// single blanks between. Empty when the account or the amount does not fit its field: a cut
// one would be read back as another account or amount.
std::string UnpaidListLine(const TStatementRow& row);

struct TStatementOutcome {
  enum class TEnd {
    MissingCodes,  // Message is kChooseDongAndItem; nothing read or written
    NoData,        // Message is kNoMatchingData; the (empty) unpaid list was written
    WriteFailed,   // Message names the unpaid list file and the reason; nothing written
    Ready,         // the statement is ready to print; the unpaid list was written
  };
  TEnd End = TEnd::MissingCodes;
  std::string Message;
  // Unpaid recipients left out of the unpaid list file, one message naming them all.
  std::string Warning;
  std::string UnpaidFile;
  std::string DongCode;
  std::string ItemCode;
  TPaymentStatement Statement;
};

// The print command up to the report: looks up both codes, reads the rows of the choice, counts
// the totals and replaces the unpaid list file (also when it is empty).
TStatementOutcome PreparePaymentStatement(TDModule& dm, TPrintChoice choice,
                                          const std::string& dongName, const std::string& itemName);

}  // namespace selvane
