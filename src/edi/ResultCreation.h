// Orders and recipients made from a result file, for an institution whose file comes back while
// the program holds no order of it (the Jeonbuk Bank format's creating mode). Each recipient goes
// under an order of the institution for its item, made at the item's first recipient, so that the
// order window lists them together. The file names no dong: the orders have the empty dong. The
// orders and recipients are received (State 3, today) and the orders carry "수신시 생성". Changes
// go into the data module's open transaction.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "core/DM.h"
#include "core/Date.h"
#include "core/Money.h"
#include "edi/ResultStore.h"

namespace selvane {

inline constexpr const char* kCreatedOnReceive = "수신시 생성";

// The order fields that the file's header gives; the rest is copied from the institution.
struct TCreatedOrderFields {
  std::string BankID;
  std::string BankNo;  // as the order stores it (hyphenated)
  std::optional<TDate> A_Date, To_date;
};

struct TCreatedRecipient {
  std::string BankId;
  std::string BankNo;  // as recipients store it (hyphenated)
  TMoney Monecy;
  std::string Jumin;
  std::string LargeitmId;
  std::string Result;
};

class TResultCreation {
 public:
  explicit TResultCreation(TDModule& dm) : dm_(dm) {}

  // From now on the institution's records of this file make its recipients.
  void Begin(const TResultInstitution& institution, const TCreatedOrderFields& fields);
  // True when Begin was called for the institution (by its KigwanId) in this file.
  bool Creating(int kigwanId) const { return institutions_.count(kigwanId) > 0; }
  // Adds the recipient for an institution that is being created; nullopt when it was added, else
  // the reason it was not (the same account twice under one order).
  std::optional<std::string> AddRecipient(int kigwanId, const TCreatedRecipient& recipient);

 private:
  struct TInstitutionOrders {
    TResultInstitution Institution;
    TCreatedOrderFields Fields;
    std::set<std::string> Items;  // items whose order was made
  };
  void MakeOrder(const TInstitutionOrders& orders, const std::string& item);

  TDModule& dm_;
  std::map<int, TInstitutionOrders> institutions_;
};

}  // namespace selvane
