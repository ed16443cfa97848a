// The work of the order window that needs no window: which buttons a mode enables, the date
// check, the save of an order with the copies from its institution, the delete of marked orders
// with their recipients, the state switch and the opening of an order's recipient list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/DM.h"
#include "core/Date.h"

namespace selvane {

inline constexpr const char* kInputErrorTitle = "입력오류";
inline constexpr const char* kDuplicateCode = "코드가 중복됩니다.";
inline constexpr const char* kSentNotEditable = "송수신 완료는 수정 하실 수 없습니다.";

enum class TEditMode { Browse, Edit };

// What the order window enables.
struct TOrderButtons {
  bool Insert = false, Edit = false, Delete = false, Trans = false;
  bool Save = false, Cancel = false, Fields = false, Grid = false;
  bool operator==(const TOrderButtons&) const = default;
};

// The buttons of a mode; state is the current order's State (0 for an empty table).
TOrderButtons OrderButtons(TEditMode mode, bool empty, long long state);

// The State of the current row of a table, 0 when it has none.
long long CurrentState(TTable& table);

// The fields of the order window that a refusal puts the focus on.
enum class TOrderField { None, Institution, Dong, Item, WorkDate, PayDate, Grid };

// The date check before an order is saved: the field to put the focus on after the message, or
// None when the dates may be saved (also when either is empty).
TOrderField ValidateOrderDates(const std::optional<TDate>& workDate,
                               const std::optional<TDate>& payDate);

// New (true) or edit of the current order, for the pressed button; false when it did not start:
// a sent or received order (refused with a message even while its button is disabled), a
// disabled button, no institution at all (a message).
bool BeginOrderEdit(TDModule& dm, bool isNew, bool buttonEnabled);

// Saves the order in editing: dates, the three choices, the copies from its institution, post.
// The field to focus on after a refusal, Grid after a successful save (committed).
TOrderField SaveOrder(TDModule& dm);

// Deletes the orders (row ids of TB_Trans) with their recipients under the progress window; an
// error ends the loop, is reported with the store's message, and what was deleted stays deleted.
// Returns the number of deleted orders.
int DeleteOrders(TDModule& dm, const std::vector<std::int64_t>& orders);

// The state switch of an order or a recipient: held back becomes waiting and waiting becomes
// held back, after the question; nullopt for No and for any other state.
std::optional<int> AskStateSwitch(long long state);

// Held back to waiting (with every recipient of the order) or waiting to held back (the order
// only), after the question; true when the state changed.
bool SwitchOrderState(TDModule& dm);

// Sets the current order context from the order current in TB_Trans and restricts TB_TransSub
// to its recipients.
void OpenOrderRecipients(TDModule& dm, const std::string& dongName, const std::string& itemName);

}  // namespace selvane
