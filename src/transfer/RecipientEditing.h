// The work of the recipient list window that needs no window: its button rules, the checks and
// the post of a recipient being saved, and the state switch of a recipient.
#pragma once

#include <string>

#include "core/DM.h"
#include "transfer/OrderEditing.h"

namespace selvane {

// What the recipient list window enables.
struct TRecipientButtons {
  bool Insert = false, Edit = false, Delete = false, Open = false, Convert = false;
  bool Save = false, Cancel = false, Fields = false, Grid = false;
  bool operator==(const TRecipientButtons&) const = default;
};

// The buttons of a mode; state is the current recipient's State (0 for an empty list). A
// recipient that has been sent locks new, edit, delete, load and conversion while it is current.
TRecipientButtons RecipientButtons(TEditMode mode, bool empty, long long state);

// The fields of the recipient window that a refusal puts the focus on.
enum class TRecipientField { None, Bank, Account, Resident, Amount };

// Refusal of an amount with a fraction or below zero.
inline constexpr const char* kWholeWonOnly = "이체금액은 원 단위의 정수로 입력하여 주십시오.";

// What the window shows beside the edit buffer of TB_TransSub.
struct TRecipientEntry {
  std::string OrderBank;      // BankID of the order
  std::string BankShown;      // the text of the bank field
  std::string BankCodeShown;  // the code box beside it
  std::string ResidentText;   // the resident number field as typed
};

struct TRecipientSaveResult {
  bool Saved = false;
  TRecipientField Focus = TRecipientField::None;
};

// The save of the recipient in editing, with every check and message; on success the tables
// are committed and the order totals recomputed.
TRecipientSaveResult SaveRecipient(TDModule& dm, const TRecipientEntry& entry);

// New (true) or edit of the current recipient of CurrentOrderKey, for the pressed button; false
// after the refusal of a sent or received recipient, or for a disabled button.
bool BeginRecipientEdit(TDModule& dm, bool isNew, bool buttonEnabled);

// Asks, then deletes the current recipient, commits and recomputes the totals; true when
// deleted.
bool DeleteRecipient(TDModule& dm);

// Held back to waiting or waiting to held back, this recipient only, after the question.
bool SwitchRecipientState(TDModule& dm);

}  // namespace selvane
