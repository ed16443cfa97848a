#include "reference/ui/CodeTableForm.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Cp949.h"
#include "core/WaitMsg.h"
#include "core/ui/TableGridView.h"
#include "reference/KigwanRules.h"

namespace selvane {

TFieldValidator::TFieldValidator(int maxBytes, bool upperCase, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes), upperCase_(upperCase) {}

QValidator::State TFieldValidator::validate(QString& input, int&) const {
  if (upperCase_) input = QString::fromStdString(UpperAsciiLetters(input.toStdString()));
  if (maxBytes_ <= 0) return Acceptable;
  try {
    return Cp949Length(input.toStdString()) <= static_cast<std::size_t>(maxBytes_) ? Acceptable
                                                                                   : Invalid;
  } catch (const TEncodingError&) {
    return Invalid;
  }
}

TCodeTableForm::TCodeTableForm(TDModule& dm, TTable& table, const QString& caption, QWidget* parent)
    : QDialog(parent), dm_(dm), editor_(dm, table) {
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);

  auto* toolBar = new QHBoxLayout;
  toolBar->setSpacing(2);
  BtnInsert = AddButton(QStringLiteral("  입 력  "), "BtnInsert", kTagInsert);
  BtnEdit = AddButton(QStringLiteral("수 정"), "BtnEdit", kTagEdit);
  BtnDelete = AddButton(QStringLiteral("삭 제"), "BtnDelete", 0);
  BtnSave = AddButton(QStringLiteral("저 장"), "BtnSave", 0);
  BtnCancel = AddButton(QStringLiteral("취 소"), "BtnCancel", 0);
  BtnExit = AddButton(QStringLiteral("닫 기"), "BtnExit", 0);
  auto* separator = new QFrame;
  separator->setFrameShape(QFrame::VLine);
  separator->setFrameShadow(QFrame::Sunken);
  toolBar->addWidget(BtnInsert);
  toolBar->addWidget(BtnEdit);
  toolBar->addWidget(BtnDelete);
  toolBar->addWidget(separator);
  toolBar->addWidget(BtnSave);
  toolBar->addWidget(BtnCancel);
  toolBar->addSpacing(24);
  toolBar->addWidget(BtnExit);
  toolBar->addStretch(1);
  layout->addLayout(toolBar);

  PanelFields = new QFrame;
  PanelFields->setObjectName("PanelFields");
  static_cast<QFrame*>(PanelFields)->setFrameShape(QFrame::StyledPanel);
  fieldLayout_ = new QGridLayout(PanelFields);
  layout->addWidget(PanelFields);

  // The window adds its columns before FormCreate reads the rows.
  DBGrid1 = new TTableGridView(table, {}, "DBGrid1", QAbstractItemView::SingleSelection, nullptr);
  DBGrid1->verticalHeader()->setDefaultSectionSize(22);
  layout->addWidget(DBGrid1, 1);

  connect(BtnInsert, &QToolButton::clicked, this, [this] { BtnInsertClick(BtnInsert); });
  connect(BtnEdit, &QToolButton::clicked, this, [this] { BtnInsertClick(BtnEdit); });
  connect(BtnSave, &QToolButton::clicked, this, [this] { BtnSaveClick(); });
  connect(BtnCancel, &QToolButton::clicked, this, [this] { BtnCancelClick(); });
  connect(BtnDelete, &QToolButton::clicked, this, [this] { BtnDeleteClick(); });
  connect(BtnExit, &QToolButton::clicked, this, [this] { BtnExitClick(); });
  DBGrid1->OnRowPicked = [this](std::int64_t rowId) { GridRowPicked(rowId); };
  // A click on the current row counts too: it shows that row's panels again.
  connect(DBGrid1, &QTableView::clicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) GridRowPicked(DBGrid1->Model().RowIdAt(index.row()));
  });
}

TCodeTableForm::~TCodeTableForm() {
  if (!closed_) editor_.Close();
}

QToolButton* TCodeTableForm::AddButton(const QString& text, const char* name, int tag) {
  auto* button = new QToolButton;
  button->setText(text);
  button->setObjectName(name);
  button->setProperty("Tag", tag);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setMinimumSize(56, 32);
  // Tool bar buttons do not take the focus, so that a field is left only by the user.
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

void TCodeTableForm::AddBinding(const QString& label, const std::string& column, QLineEdit* edit,
                                QComboBox* combo) {
  TBinding binding;
  binding.Column = column;
  binding.Label = new QLabel(label);
  binding.Edit = edit;
  binding.Combo = combo;
  QWidget* editor = edit ? static_cast<QWidget*>(edit) : combo;
  editor->setObjectName(QString::fromStdString(column));
  binding.Label->setBuddy(editor);
  int row = static_cast<int>(bindings_.size());
  fieldLayout_->addWidget(binding.Label, row, 0);
  fieldLayout_->addWidget(editor, row, 1);
  bindings_.push_back(binding);
}

QLineEdit* TCodeTableForm::AddTextField(const QString& label, const std::string& column,
                                        int maxChars, bool upperCase) {
  auto* edit = new QLineEdit;
  int maxBytes = 0;
  if (auto index = Table().FieldIndex(column)) maxBytes = Table().Fields()[*index].Size;
  edit->setValidator(new TFieldValidator(maxBytes, upperCase, edit));
  if (maxChars > 0) edit->setMaxLength(maxChars);
  AddBinding(label, column, edit, nullptr);
  return edit;
}

QComboBox* TCodeTableForm::AddLookupField(const QString& label, const std::string& column,
                                          TTable& lookup, const std::string& keyColumn,
                                          const std::string& displayColumn) {
  auto* combo = new QComboBox;
  combo->setEditable(false);
  combo->setMaxVisibleItems(8);
  std::size_t key = *lookup.FieldIndex(keyColumn);
  std::size_t display = *lookup.FieldIndex(displayColumn);
  for (std::int64_t id : lookup.RowIds()) {
    TRowData row = lookup.ReadRow(id);
    combo->addItem(QString::fromStdString(row.Values[display].AsString()),
                   QString::fromStdString(row.Values[key].AsString()));
  }
  combo->setCurrentIndex(-1);
  AddBinding(label, column, nullptr, combo);
  return combo;
}

void TCodeTableForm::PlaceField(const std::string& column, int row, int col) {
  for (TBinding& b : bindings_) {
    if (b.Column != column) continue;
    QWidget* editor = b.Edit ? static_cast<QWidget*>(b.Edit) : b.Combo;
    fieldLayout_->removeWidget(b.Label);
    fieldLayout_->removeWidget(editor);
    fieldLayout_->addWidget(b.Label, row, col);
    fieldLayout_->addWidget(editor, row, col + 1);
  }
}

void TCodeTableForm::AddGridColumn(const QString& title, const std::string& column) {
  DBGrid1->Model().AddColumn({column, title});
}

void TCodeTableForm::OnFieldExit(QWidget* field, std::function<void()> handler) {
  exitHandlers_.emplace_back(field, std::move(handler));
  field->installEventFilter(this);
}

bool TCodeTableForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && editor_.Mode() == TCodeTableMode::Editing) {
    auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      for (auto& [field, handler] : exitHandlers_)
        if (field == watched) Guarded(handler);
    }
  }
  return QDialog::eventFilter(watched, event);
}

QWidget* TCodeTableForm::FieldEditor(const std::string& column) const {
  for (const TBinding& b : bindings_)
    if (b.Column == column) return b.Edit ? static_cast<QWidget*>(b.Edit) : b.Combo;
  return nullptr;
}

template <class F>
void TCodeTableForm::Guarded(F&& step) {
  try {
    step();
  } catch (const std::exception& error) {
    ErrorBox(error.what());
  }
}

void TCodeTableForm::FormCreate() {
  Guarded([this] {
    editor_.Open();
    ShowCurrentRow();
  });
}

void TCodeTableForm::FormActivate() {
  ApplyMode();
}

void TCodeTableForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TCodeTableForm::FormClose() {
  if (closed_) return;
  closed_ = true;
  Guarded([this] { editor_.Close(); });
}

void TCodeTableForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TCodeTableForm::BtnInsertClick(QToolButton* sender) {
  Guarded([&] {
    if (!editor_.Insert(sender->property("Tag").toInt())) return;
    LoadFields();
    ApplyMode();
  });
}

void TCodeTableForm::BtnSaveClick() {
  Guarded([this] {
    if (!editor_.Buttons().Save) return;
    StoreFields();
    switch (editor_.Save()) {
      case TSaveResult::Saved:
        ShowCurrentRow();
        ApplyMode();
        break;
      case TSaveResult::Duplicate:
        FocusFirstField();
        break;
      case TSaveResult::Ignored:
      case TSaveResult::Refused:
      case TSaveResult::Missing:
        break;
    }
  });
}

void TCodeTableForm::BtnCancelClick() {
  Guarded([this] {
    if (!editor_.Cancel()) return;
    ShowCurrentRow();
    ApplyMode();
  });
}

void TCodeTableForm::BtnDeleteClick() {
  Guarded([this] {
    bool deleted = editor_.Delete();
    if (deleted) ShowCurrentRow();
    ApplyMode();
  });
}

void TCodeTableForm::BtnExitClick() {
  close();
}

void TCodeTableForm::ApplyMode() {
  const TCodeTableButtons& b = editor_.Buttons();
  BtnInsert->setEnabled(b.Insert);
  BtnEdit->setEnabled(b.Edit);
  BtnDelete->setEnabled(b.Delete);
  BtnSave->setEnabled(b.Save);
  BtnCancel->setEnabled(b.Cancel);
  PanelFields->setEnabled(b.Fields);
  DBGrid1->setEnabled(b.Grid);
  if (editor_.Mode() == TCodeTableMode::Editing)
    FocusFirstField();
  else
    DBGrid1->setFocus();
  ModeChanged();
}

void TCodeTableForm::FocusFirstField() {
  if (!bindings_.empty()) FocusColumn(bindings_.front().Column);
}

void TCodeTableForm::FocusColumn(const std::string& column) {
  if (QWidget* editor = FieldEditor(column)) editor->setFocus();
}

void TCodeTableForm::StoreFields() {
  TTable& table = Table();
  for (const TBinding& b : bindings_) {
    QString text;
    if (b.Edit)
      text = b.Edit->text();
    else if (b.Combo->currentIndex() >= 0)
      text = b.Combo->currentData().toString();
    // An empty field is no value, so that a required column refuses it.
    table.FieldByName(b.Column).Set(text.isEmpty() ? TValue() : TValue(text.toStdString()));
  }
}

void TCodeTableForm::LoadFields() {
  TTable& table = Table();
  for (const TBinding& b : bindings_) {
    QString text;
    if (table.HasCurrent()) text = QString::fromStdString(table.FieldByName(b.Column).AsString());
    if (b.Edit)
      b.Edit->setText(text);
    else
      b.Combo->setCurrentIndex(b.Combo->findData(text));
  }
}

void TCodeTableForm::ShowCurrentRow() {
  RefreshGrid();
  LoadFields();
}

void TCodeTableForm::RefreshGrid() {
  DBGrid1->Reload();
  DBGrid1->resizeColumnsToContents();
  DBGrid1->ShowCurrentRow();
}

void TCodeTableForm::GridRowPicked(std::int64_t rowId) {
  if (editor_.Mode() != TCodeTableMode::Browse) return;
  Guarded([&] {
    Table().GotoRowId(rowId);
    LoadFields();
    GridRowChanged();
  });
}

}  // namespace selvane
