// The window frame shared by the code-table windows: the tool bar (insert, edit, delete, save,
// cancel, close), a panel of edit fields bound to columns of the current row, and a read-only
// grid of the whole table. The modes and messages come from TCodeTableEditor; a window adds its
// fields, its grid columns and its own rules.
#pragma once

#include <QDialog>
#include <QValidator>
#include <functional>
#include <string>
#include <vector>

#include "reference/CodeTableEditor.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;

namespace selvane {

class TTableGridView;

// The entry rules of a text field: at most so many CP949 bytes (the column's width), text that
// has no CP949 form refused, and optionally the letters a to z upper-cased as they are typed.
class TFieldValidator : public QValidator {
 public:
  TFieldValidator(int maxBytes, bool upperCase, QObject* parent);
  State validate(QString& input, int& pos) const override;

 private:
  int maxBytes_;
  bool upperCase_;
};

class TCodeTableForm : public QDialog {
  Q_OBJECT

 public:
  TCodeTableForm(TDModule& dm, TTable& table, const QString& caption, QWidget* parent);
  ~TCodeTableForm() override;

  QToolButton* BtnInsert;
  QToolButton* BtnEdit;
  QToolButton* BtnDelete;
  QToolButton* BtnSave;
  QToolButton* BtnCancel;
  QToolButton* BtnExit;
  QWidget* PanelFields;
  TTableGridView* DBGrid1;

  TCodeTableEditor& Editor() { return editor_; }
  TTable& Table() { return editor_.Table(); }
  // The editor bound to a column, or nullptr.
  QWidget* FieldEditor(const std::string& column) const;

  void FormCreate();
  void FormActivate();
  void FormClose();
  // Insert and edit: told apart by the pressed button's tag.
  void BtnInsertClick(QToolButton* sender);
  void BtnSaveClick();
  void BtnCancelClick();
  void BtnDeleteClick();
  void BtnExitClick();

 protected:
  // A text field for the column; maxChars limits the characters (0: the column's width only).
  QLineEdit* AddTextField(const QString& label, const std::string& column, int maxChars = 0,
                          bool upperCase = false);
  // A pick-only list showing the display column of another table and storing its key column.
  QComboBox* AddLookupField(const QString& label, const std::string& column, TTable& lookup,
                            const std::string& keyColumn, const std::string& displayColumn);
  // Moves a bound field's label and editor to another cell pair of the field panel.
  void PlaceField(const std::string& column, int row, int col);
  void AddGridColumn(const QString& title, const std::string& column);
  // Calls handler when the user leaves the field while a row is in editing (a message box
  // taking the focus does not count).
  void OnFieldExit(QWidget* field, std::function<void()> handler);

  // Shows the current row in the fields and the grid.
  void ShowCurrentRow();
  // After the grid moved the table to another row.
  virtual void GridRowChanged() {}
  // After the window entered a mode.
  virtual void ModeChanged() {}

  void FocusFirstField();
  void FocusColumn(const std::string& column);

  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TBinding {
    std::string Column;
    QLabel* Label = nullptr;
    QLineEdit* Edit = nullptr;
    QComboBox* Combo = nullptr;
  };
  QToolButton* AddButton(const QString& text, const char* name, int tag);
  void AddBinding(const QString& label, const std::string& column, QLineEdit* edit,
                  QComboBox* combo);
  void ApplyMode();
  void StoreFields();
  void LoadFields();
  void RefreshGrid();
  void GridRowPicked(std::int64_t rowId);
  // Runs a handler; an error that none of its steps catches is shown, the window stays.
  template <class F>
  void Guarded(F&& step);

 protected:
  TDModule& dm_;

 private:
  TCodeTableEditor editor_;
  QGridLayout* fieldLayout_;
  std::vector<TBinding> bindings_;
  std::vector<std::pair<QWidget*, std::function<void()>>> exitHandlers_;
  bool activated_ = false;
  bool closed_ = false;
};

}  // namespace selvane
