// The editing pattern of the code-table windows (institutions, dongs, items, banks, result
// codes): a browse mode and an editing mode over one shared table object, insert and edit, save
// with the store's refusals turned into the input-error messages, cancel and delete. The windows
// hold only their controls; the modes, button states and messages live here.
#pragma once

#include <functional>
#include <string_view>

#include "core/DM.h"

namespace selvane {

// Caption of the messages about a row the store refused.
inline constexpr const char* kInputErrorCaption = "입력오류";
inline constexpr const char* kDuplicateCodeMessage = "코드가 중복됩니다.";
inline constexpr const char* kMissingFieldMessage = "필수항목이 누락되었습니다. ";
inline constexpr const char* kDeleteQuestion = "삭제하시겠습니까?";

// Number of characters (not bytes) of a field's text, as the code checks count them.
std::size_t CharCount(std::string_view utf8);

enum class TCodeTableMode { Browse, Editing };

// Tags of the two buttons that share the insert handler.
enum TCodeTableTag : int { kTagInsert = 1, kTagEdit = 2 };

// What a window enables in a mode.
struct TCodeTableButtons {
  bool Insert = false;
  bool Edit = false;
  bool Delete = false;
  bool Save = false;
  bool Cancel = false;
  bool Fields = false;
  bool Grid = false;

  bool operator==(const TCodeTableButtons&) const = default;
};

TCodeTableButtons CodeTableButtons(TCodeTableMode mode, bool tableEmpty);

enum class TSaveResult {
  Ignored,    // save was not enabled
  Refused,    // the window's own checks stopped it
  Duplicate,  // key clash: the first field takes the focus
  Missing,    // another refusal of the store
  Saved,
};

class TCodeTableEditor {
 public:
  TCodeTableEditor(TDModule& dm, TTable& table);

  TTable& Table() { return table_; }
  TCodeTableMode Mode() const { return mode_; }
  const TCodeTableButtons& Buttons() const { return buttons_; }

  // Fills the key of a newly appended row (the institution numbers its rows).
  std::function<void(TTable&)> OnNewRow;
  // The window's checks before a post; false stops the save.
  std::function<bool(TTable&)> OnValidate;

  // Moves the table to its first row and enters browse mode.
  void Open();
  // Insert (kTagInsert) appends a row, edit (kTagEdit) edits the current one; false when that
  // button is disabled.
  bool Insert(int tag);
  TSaveResult Save();
  bool Cancel();
  // Asks before deleting the current row; true when a row was deleted.
  bool Delete();
  // Discards a row in editing; the window is closing.
  void Close();

 private:
  void SetMode(TCodeTableMode mode);
  void UpdateButtons();

  TDModule& dm_;
  TTable& table_;
  TCodeTableMode mode_ = TCodeTableMode::Browse;
  TCodeTableButtons buttons_;
};

}  // namespace selvane
