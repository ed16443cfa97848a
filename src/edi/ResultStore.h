// The database side of reading a result file, shared by every format's reader: the institution
// a header names, whether it has orders waiting for their result, the recipient a data record
// answers, and marking orders received. Changes go into the data module's open transaction;
// the caller commits them. Every search is a bound query on an index.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/DM.h"
#include "core/Money.h"

namespace selvane {

struct TResultInstitution {
  int KigwanId = 0;
  std::string KiGwanName;
};

// The code of an institution that a format's result header carries with the bank code.
enum class TInstitutionCode { CorCode, BCode };

class TResultStore {
 public:
  explicit TResultStore(TDModule& dm) : dm_(dm) {}

  // The first institution in table order with this bank and user number, or bank ID on the
  // network for BCode (exact comparison).
  std::optional<TResultInstitution> FindInstitution(
      const std::string& bankId, const std::string& code,
      TInstitutionCode which = TInstitutionCode::CorCode);
  // Does the institution have an order that was sent and waits for its result?
  bool HasSentOrder(int kigwanId);
  // Does the institution have any order at all?
  bool HasAnyOrder(int kigwanId);
  // The account as recipients store it: hyphenated when it is valid for the bank, else as read.
  static std::string StoredAccountNo(const std::string& bankId, const std::string& account);
  // Records the result on the institution's first sent recipient, in table order, with this
  // bank, account and amount, whatever filter the recipient table has: result code, today as
  // Recv_date, State 3. False when there is none; a recipient of another institution is never
  // taken, even with the same account and amount. With an item, only a recipient of that item.
  bool ApplyRecipientResult(int kigwanId, const std::string& bankId, const std::string& accountNo,
                            TMoney amount, const std::string& result,
                            const std::optional<std::string>& largeitmId = std::nullopt);
  // The institution's sent orders become received today; returns their number.
  int MarkOrdersReceived(int kigwanId);

 private:
  TDModule& dm_;
};

}  // namespace selvane
