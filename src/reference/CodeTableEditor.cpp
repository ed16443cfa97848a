#include "reference/CodeTableEditor.h"

#include "core/WaitMsg.h"

namespace selvane {

std::size_t CharCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

TCodeTableButtons CodeTableButtons(TCodeTableMode mode, bool tableEmpty) {
  TCodeTableButtons b;
  if (mode == TCodeTableMode::Browse) {
    b.Insert = true;
    b.Edit = b.Delete = !tableEmpty;
    b.Grid = true;
  } else {
    b.Save = b.Cancel = true;
    b.Fields = true;
  }
  return b;
}

TCodeTableEditor::TCodeTableEditor(TDModule& dm, TTable& table) : dm_(dm), table_(table) {
  UpdateButtons();
}

void TCodeTableEditor::SetMode(TCodeTableMode mode) {
  mode_ = mode;
  UpdateButtons();
}

void TCodeTableEditor::UpdateButtons() {
  buttons_ = CodeTableButtons(mode_, !table_.Active() || table_.IsEmpty());
}

void TCodeTableEditor::Open() {
  // A row left in editing by an earlier window must not be posted by a later move.
  table_.Cancel();
  table_.First();
  SetMode(TCodeTableMode::Browse);
}

bool TCodeTableEditor::Insert(int tag) {
  bool enabled = tag == kTagInsert ? buttons_.Insert : buttons_.Edit;
  if (!enabled) return false;
  if (tag == kTagInsert) {
    table_.Append();
    if (OnNewRow) OnNewRow(table_);
  } else {
    table_.Edit();
  }
  SetMode(TCodeTableMode::Editing);
  return true;
}

TSaveResult TCodeTableEditor::Save() {
  if (!buttons_.Save) return TSaveResult::Ignored;
  if (OnValidate && !OnValidate(table_)) return TSaveResult::Refused;
  try {
    table_.Post();
  } catch (const TKeyViolation&) {
    MessageBox(TMsgKind::Error, kDuplicateCodeMessage, kInputErrorCaption);
    return TSaveResult::Duplicate;
  } catch (const TDataError&) {
    MessageBox(TMsgKind::Error, kMissingFieldMessage, kInputErrorCaption);
    return TSaveResult::Missing;
  }
  dm_.CommitAllTables();
  SetMode(TCodeTableMode::Browse);
  return TSaveResult::Saved;
}

bool TCodeTableEditor::Cancel() {
  if (!buttons_.Cancel) return false;
  table_.Cancel();
  SetMode(TCodeTableMode::Browse);
  return true;
}

bool TCodeTableEditor::Delete() {
  if (!buttons_.Delete || table_.IsEmpty()) return false;
  if (!ConfirmBox(kDeleteQuestion, false)) return false;
  try {
    table_.Delete();
  } catch (const TDataError& error) {
    UpdateButtons();
    ErrorBox(error.what());
    return false;
  }
  UpdateButtons();
  dm_.CommitAllTables();
  return true;
}

void TCodeTableEditor::Close() {
  if (table_.Active()) table_.Cancel();
  SetMode(TCodeTableMode::Browse);
}

}  // namespace selvane
