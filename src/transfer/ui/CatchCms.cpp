#include "transfer/ui/CatchCms.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "core/WaitMsg.h"
#include "core/ui/FileDialog.h"
#include "core/ui/QtText.h"
#include "core/ui/TableGridView.h"
#include "transfer/FundCategory.h"
#include "transfer/LayoutConversion.h"
#include "transfer/LayoutGrid.h"

namespace selvane {
namespace {

// The TBCath columns of the five (start, size) pairs, by position 3 to 12.
std::string PairColumn(TTable& cath, int item, int part) {
  return cath.Fields()[static_cast<std::size_t>(3 + item * 2 + part)].Name;
}

}  // namespace

TfmCatchCMS::TfmCatchCMS(TDModule& dm, QWidget* parent)
    : TTableWindow(dm, dm.TB_Cath, "fmCatchCMS", "CMS신청 자료변환", parent) {
  BtnInsert = AddButton("입 력", "BtnInsert", QKeySequence("Ctrl+I"));
  BtnInsert->setProperty("tag", 1);
  BtnEdit = AddButton("수 정", "BtnEdit", QKeySequence("Ctrl+E"));
  BtnEdit->setProperty("tag", 2);
  BtnDelete = AddButton("삭 제", "BtnDelete", QKeySequence("Ctrl+D"));
  BtnSave = AddButton("저 장", "BtnSave", QKeySequence("Ctrl+S"));
  BtnCancel = AddButton("취 소", "BtnCancel", QKeySequence(Qt::Key_Escape));
  BtnOpenDlg = AddButton("화일선택", "BtnOpenDlg", QKeySequence("Ctrl+F"));
  BtnConvert = AddButton("자료변환", "BtnConvert", QKeySequence("Ctrl+O"));
  BtnExit = AddButton("닫 기", "BtnExit", QKeySequence("Ctrl+F4"));
  for (QToolButton* button :
       {BtnInsert, BtnEdit, BtnDelete, BtnSave, BtnCancel, BtnOpenDlg, BtnConvert, BtnExit})
    ToolBar->addWidget(button);
  // A button, its menu item and its shortcut are one action.
  auto on = [this](QToolButton* button, auto handler) {
    connect(button->defaultAction(), &QAction::triggered, this, handler);
  };
  on(BtnInsert, [this] { BtnInsertClick(BtnInsert); });
  on(BtnEdit, [this] { BtnInsertClick(BtnEdit); });
  on(BtnDelete, [this] { BtnDeleteClick(); });
  on(BtnSave, [this] { BtnSaveClick(); });
  on(BtnCancel, [this] { BtnCancelClick(); });
  on(BtnOpenDlg, [this] { BtnOpenDlgClick(); });
  on(BtnConvert, [this] { BtnConvertClick(); });
  on(BtnExit, [this] { BtnExitClick(); });

  auto* body = new QHBoxLayout;
  layout_->addLayout(body);
  DBGrid = new TTableGridView(dm_.TB_Cath, {{"Name", "자료명칭"}}, "DBGrid",
                              QAbstractItemView::SingleSelection, this);
  DBGrid->setMaximumWidth(200);
  body->addWidget(DBGrid);
  SetGrid(DBGrid);

  auto* right = new QVBoxLayout;
  body->addLayout(right);
  auto* fields = new QGridLayout;
  right->addLayout(fields);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setMaxLength(20);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  Edit2->setValidator(new QIntValidator(0, 99999, Edit2));
  fields->addWidget(new QLabel("자  료  명  칭", this), 0, 0);
  fields->addWidget(Edit1, 0, 1);
  fields->addWidget(new QLabel("레코드 길이", this), 1, 0);
  fields->addWidget(Edit2, 1, 1);
  lbl_JaGubun = new QLabel("자 금 구 분 :", this);
  cb_JaGubun = new QComboBox(this);
  cb_JaGubun->setObjectName("cb_JaGubun");
  for (const char* name : kFundCategoryNames) cb_JaGubun->addItem(name);
  cb_JaGubun->setCurrentIndex(-1);
  fields->addWidget(lbl_JaGubun, 2, 0);
  fields->addWidget(cb_JaGubun, 2, 1);

  Grid = new QTableWidget(6, 4, this);
  Grid->setObjectName("Grid");
  Grid->horizontalHeader()->hide();
  Grid->verticalHeader()->hide();
  Grid->setSelectionMode(QAbstractItemView::SingleSelection);
  Grid->horizontalHeader()->setStretchLastSection(true);
  Grid->installEventFilter(this);
  right->addWidget(Grid);
  connect(Grid, &QTableWidget::cellChanged, this, [this](int row, int col) {
    if (!filling_ && row >= 1 && (col == 1 || col == 2)) RefreshContent();
  });
  connect(Grid, &QTableWidget::currentCellChanged, this, [this] {
    if (!filling_) RefreshContent();
  });

  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  Ruler = new QLabel(this);
  Ruler->setObjectName("Ruler");
  Ruler->setFont(fixed);
  auto ruler = SampleRuler();
  Ruler->setText(Q(ruler[0]) + "\n" + Q(ruler[1]));
  Ruler->setTextFormat(Qt::PlainText);
  right->addWidget(Ruler);
  Memo = new QPlainTextEdit(this);
  Memo->setObjectName("Memo");
  Memo->setFont(fixed);
  Memo->setReadOnly(true);
  Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo->viewport()->installEventFilter(this);
  right->addWidget(Memo);

  PopupMenu = new QMenu(this);
  for (QToolButton* button :
       {BtnInsert, BtnEdit, BtnDelete, BtnSave, BtnCancel, BtnOpenDlg, BtnConvert, BtnExit})
    PopupMenu->addAction(button->defaultAction());
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu->popup(mapToGlobal(at)); });
  resize(900, 560);
  FormCreate();
}

QToolButton* TfmCatchCMS::AddButton(const QString& text, const char* name,
                                    const QKeySequence& key) {
  // The menu item of a button is its action: enabled with it, triggered with it.
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  auto* action = new QAction(text, this);
  action->setObjectName(QString("itm") + (name + 3));
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  addAction(action);
  button->setDefaultAction(action);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return button;
}

QString TfmCatchCMS::Cell(int row, int col) const {
  QTableWidgetItem* item = Grid->item(row, col);
  return item ? item->text().trimmed() : QString();
}

void TfmCatchCMS::SetCell(int row, int col, const QString& text) {
  QTableWidgetItem* item = Grid->item(row, col);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    Grid->setItem(row, col, item);
  }
  item->setText(text);
}

void TfmCatchCMS::FormCreate() {
  dm_.TB_Cath.OnDataChange = [this](TTable&) { DataChange(); };
  filling_ = true;
  for (int col = 0; col < 4; ++col) SetCell(0, col, kLayoutColumnTitles[col]);
  for (int row = 1; row <= 5; ++row) SetCell(row, 0, kLayoutRowTitles[row - 1]);
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 4; ++col) {
      if (Grid->item(row, col) == nullptr) SetCell(row, col, "");
      QTableWidgetItem* item = Grid->item(row, col);
      bool title = row == 0 || col == 0;
      item->setTextAlignment(title ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
      if (title) item->setBackground(palette().button());
      // Only start and size take the cursor; the content column cannot even be selected.
      item->setFlags(title || col == 3 ? Qt::NoItemFlags
                                       : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
  filling_ = false;
  fileName_.clear();
  dm_.TB_Cath.First();
  ReloadGrid();
}

void TfmCatchCMS::FormActivate() {
  SetMode(TEditMode::Browse);
  std::string orderBank =
      dm_.TB_Trans.HasCurrent() ? dm_.TB_Trans.FieldByName("BankID").AsString() : std::string();
  bool fund = orderBank == "11" || orderBank == "12";
  lbl_JaGubun->setVisible(fund);
  cb_JaGubun->setVisible(fund);
}

void TfmCatchCMS::SetMode(TEditMode mode) {
  mode_ = mode;
  bool browse = mode == TEditMode::Browse;
  bool any = !dm_.TB_Cath.IsEmpty();
  BtnInsert->defaultAction()->setEnabled(browse);
  BtnEdit->defaultAction()->setEnabled(browse && any);
  BtnDelete->defaultAction()->setEnabled(browse && any);
  BtnExit->defaultAction()->setEnabled(browse);
  BtnConvert->defaultAction()->setEnabled(browse && any);
  BtnOpenDlg->defaultAction()->setEnabled(browse && any);
  BtnSave->defaultAction()->setEnabled(!browse);
  BtnCancel->defaultAction()->setEnabled(!browse);
  for (int row = 1; row <= 5; ++row)
    for (int col = 1; col <= 2; ++col) {
      QTableWidgetItem* item = Grid->item(row, col);
      Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
      if (!browse) flags |= Qt::ItemIsEditable;
      item->setFlags(flags);
    }
  Grid->setEditTriggers(browse ? QAbstractItemView::NoEditTriggers
                               : QAbstractItemView::AllEditTriggers);
  DBGrid->setEnabled(browse);
  Edit1->setEnabled(!browse);
  Edit2->setEnabled(!browse);
}

void TfmCatchCMS::LoadFields() {
  TTable& cath = dm_.TB_Cath;
  bool has = cath.HasCurrent();
  Edit1->setText(has ? Q(cath.FieldByName("Name").AsString()) : QString());
  Edit2->setText(has ? Q(cath.FieldByName("ReLen").AsString()) : QString());
  FillGrid();
}

void TfmCatchCMS::DataChange() {
  if (mode_ == TEditMode::Browse) LoadFields();
}

void TfmCatchCMS::FillGrid() {
  filling_ = true;
  TTable& cath = dm_.TB_Cath;
  TLayout layout = cath.HasCurrent() ? CurrentLayout(cath) : TLayout();
  for (int row = 1; row <= 5; ++row) {
    const TLayoutSpan& span = layout.Spans[static_cast<std::size_t>(row - 1)];
    SetCell(row, 1, QString::number(span.Start));
    SetCell(row, 2, QString::number(span.Size));
    SetCell(row, 3, sample_.empty() ? QString() : Q(SampleSpan(sample_.front(), span).Text));
  }
  Grid->setCurrentCell(1, 1);
  filling_ = false;
  RefreshContent();
}

void TfmCatchCMS::RefreshContent() {
  int row = Grid->currentRow();
  if (row < 1 || row > 5) return;
  int start = LayoutCellValue(S(Cell(row, 1)));
  int size = LayoutCellValue(S(Cell(row, 2)));
  filling_ = true;
  SetCell(row, 3, start < 0 || size < 0 ? QString("설정값 오류 !!") : QString());
  filling_ = false;
  if (sample_.empty()) return;
  QTextCursor cursor(Memo->document());
  if (start < 1 || size < 1) {
    Memo->setTextCursor(cursor);
    return;
  }
  TSampleSpan span = SampleSpan(sample_.front(), {start, size});
  filling_ = true;
  SetCell(row, 3, Q(span.Text));
  filling_ = false;
  cursor.setPosition(span.Position);
  cursor.setPosition(span.Position + span.Length, QTextCursor::KeepAnchor);
  Memo->setTextCursor(cursor);
}

void TfmCatchCMS::MemoMouseUp(bool ctrlHeld) {
  if (!ctrlHeld || mode_ != TEditMode::Edit || sample_.empty()) return;
  QTextCursor cursor = Memo->textCursor();
  int first = cursor.selectionStart();
  int last = cursor.selectionEnd();
  QTextBlock line = Memo->document()->firstBlock();
  if (first > line.length() - 1) return;
  last = std::min(last, line.length() - 1);
  int row = Grid->currentRow();
  if (row < 1 || row > 5) row = 1;
  TLayoutSpan span = SelectionSpan(sample_.front(), first, last - first);
  filling_ = true;
  SetCell(row, 1, QString::number(span.Start));
  SetCell(row, 2, QString::number(span.Size));
  filling_ = false;
  Grid->setCurrentCell(row, Grid->currentColumn() == 2 ? 2 : 1);
  RefreshContent();
}

void TfmCatchCMS::LoadSample() {
  sample_.clear();
  int reLen = static_cast<int>(dm_.TB_Cath.FieldByName("ReLen").AsInteger());
  try {
    sample_ = ReadSampleRecords(fileName_, reLen);
  } catch (const std::exception& error) {
    sample_.assign(1, std::string());
    ErrorBox(error.what());
  }
  QStringList lines;
  for (const std::string& line : sample_) lines << Q(SampleText(line));
  Memo->setPlainText(lines.join('\n'));
}

void TfmCatchCMS::BtnOpenDlgClick() {
  if (!BtnOpenDlg->isEnabled()) return;
  QString chosen = OpenFileDialog(this, QString(), "*.*|*.*");
  if (chosen.isEmpty()) return;
  fileName_ = S(chosen);
  LoadSample();
  Memo->setTextCursor(QTextCursor(Memo->document()));
  FillGrid();
  FlushMouseInput();
}

void TfmCatchCMS::BtnInsertClick(QToolButton* sender) {
  if (!sender->isEnabled()) return;
  bool isNew = sender->property("tag").toInt() == 1;
  SetMode(TEditMode::Edit);
  if (isNew) {
    filling_ = true;
    for (int row = 1; row <= 5; ++row) {
      SetCell(row, 1, "0");
      SetCell(row, 2, "0");
      SetCell(row, 3, "");
    }
    filling_ = false;
    dm_.TB_Cath.Append();
    Edit1->clear();
    Edit2->setText("0");
  } else {
    dm_.TB_Cath.Edit();
  }
  Edit1->setFocus();
}

void TfmCatchCMS::BtnSaveClick() {
  if (!BtnSave->isEnabled()) return;
  TLayoutCells cells;
  for (int row = 1; row <= 5; ++row)
    for (int col = 1; col <= 2; ++col)
      cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)] =
          S(Cell(row, col));
  if (auto error = LayoutCellsError(cells)) {
    InfoBox(*error);
    return;
  }
  TTable& cath = dm_.TB_Cath;
  try {
    cath.FieldByName("Name").Set(S(Edit1->text().trimmed()));
    cath.FieldByName("ReLen").Set(Edit2->text().trimmed().toInt());
    auto spans = LayoutSpans(cells);
    for (int item = 0; item < 5; ++item) {
      cath.FieldByName(PairColumn(cath, item, 0)).Set(spans[static_cast<std::size_t>(item)].Start);
      cath.FieldByName(PairColumn(cath, item, 1)).Set(spans[static_cast<std::size_t>(item)].Size);
    }
    cath.Post();
  } catch (const TKeyViolation&) {
    MessageBox(TMsgKind::Error, kDuplicateCode, kInputErrorTitle);
    Edit1->setFocus();
    return;
  } catch (const TDataError&) {
    MessageBox(TMsgKind::Error, "필수항목이 누락되었습니다.", kInputErrorTitle);
    Edit1->setFocus();
    return;
  }
  dm_.CommitAllTables();
  ShowChanges();
  DBGrid->setFocus();
}

void TfmCatchCMS::BtnCancelClick() {
  if (!BtnCancel->isEnabled()) return;
  SetMode(TEditMode::Browse);
  dm_.TB_Cath.Cancel();
  ReloadGrid();
  DBGrid->setFocus();
}

void TfmCatchCMS::BtnDeleteClick() {
  if (!BtnDelete->isEnabled() || dm_.TB_Cath.IsEmpty()) return;
  if (!ConfirmBox("삭제하시겠습니까 ?", false)) return;
  dm_.TB_Cath.Delete();
  dm_.CommitAllTables();
  ShowChanges();
}

void TfmCatchCMS::BtnConvertClick() {
  if (!BtnConvert->isEnabled()) return;
  if (fileName_.empty()) {
    QString chosen = OpenFileDialog(this, QString(), "*.*|*.*");
    if (chosen.isEmpty()) return;
    fileName_ = S(chosen);
  }
  TConversionRequest request;
  request.Order = CurrentOrderKey;
  request.OrderBank =
      dm_.TB_Trans.HasCurrent() ? dm_.TB_Trans.FieldByName("BankID").AsString() : std::string();
  if (cb_JaGubun->isVisibleTo(this) && cb_JaGubun->currentIndex() >= 0)
    request.FundChoice = cb_JaGubun->currentIndex();
  request.Layout = CurrentLayout(dm_.TB_Cath);
  TLayoutCells cells;
  for (int row = 1; row <= 5; ++row)
    for (int col = 1; col <= 2; ++col)
      cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)] =
          S(Cell(row, col));
  request.Layout.Spans = LayoutSpans(cells);
  // The recipient list underneath is redrawn once at the end, not after every record.
  auto listUpdate = std::move(dm_.TB_TransSub.OnDataChange);
  dm_.TB_TransSub.OnDataChange = nullptr;
  setEnabled(false);
  try {
    ConvertRecipientFile(dm_, request, fileName_);
  } catch (...) {
    dm_.TB_TransSub.OnDataChange = std::move(listUpdate);
    setEnabled(true);
    throw;
  }
  dm_.TB_TransSub.OnDataChange = std::move(listUpdate);
  setEnabled(true);
  if (dm_.TB_TransSub.OnDataChange) dm_.TB_TransSub.OnDataChange(dm_.TB_TransSub);
}

void TfmCatchCMS::BtnExitClick() {
  if (!BtnExit->isEnabled()) return;
  dm_.TB_Cath.OnDataChange = nullptr;
  accept();
}

bool TfmCatchCMS::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Memo->viewport() && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    bool ctrl = mouse->modifiers() & Qt::ControlModifier;
    // Let the text edit finish its selection first.
    QMetaObject::invokeMethod(
        this, [this, ctrl] { MemoMouseUp(ctrl); }, Qt::QueuedConnection);
  }
  if (watched == Grid && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      int row = Grid->currentRow(), col = Grid->currentColumn();
      if (col == 1) {
        col = 2;
      } else {
        col = 1;
        row = row >= 5 || row < 1 ? 1 : row + 1;
      }
      Grid->setCurrentCell(row, col);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace selvane
