#include "transfer/ui/Trans.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Query.h"
#include "core/WaitMsg.h"
#include "core/ui/TableGridModel.h"
#include "transfer/ui/TransSub.h"

namespace selvane {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}
std::string S(const QString& text) {
  return text.toStdString();
}

// The date boxes can be empty: their lowest date stands for no date.
const QDate kNoDate(1900, 1, 1);

QDateEdit* NewDateBox(QWidget* parent, const char* name) {
  auto* box = new QDateEdit(parent);
  box->setObjectName(name);
  box->setDisplayFormat("yyyy-MM-dd");
  box->setCalendarPopup(true);
  box->setMinimumDate(kNoDate);
  box->setSpecialValueText(" ");
  return box;
}

std::optional<TDate> DateOf(const QDateEdit* box) {
  QDate date = box->date();
  if (date == kNoDate) return std::nullopt;
  return TDate{date.year(), date.month(), date.day()};
}

void SetDate(QDateEdit* box, const std::optional<TDate>& date) {
  box->setDate(date ? QDate(date->Year, date->Month, date->Day) : kNoDate);
}

void FillCombo(QComboBox* combo, TDatabase& db, const std::string& sql) {
  combo->clear();
  TQuery query(db);
  query.SetSql(sql);
  query.Open();
  for (query.First(); !query.Eof(); query.Next())
    combo->addItem(Q(query.Field(1).AsString()), Q(query.Field(0).AsString()));
  combo->setCurrentIndex(-1);
}

void SelectValue(QComboBox* combo, const std::string& value) {
  combo->setCurrentIndex(value.empty() ? -1 : combo->findData(Q(value)));
}

}  // namespace

TFrmTrans::TFrmTrans(TDModule& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
  setObjectName("FrmTrans");
  setWindowTitle("입금자료.....");
  auto* layout = new QVBoxLayout(this);
  ToolBar = new QToolBar(this);
  layout->addWidget(ToolBar);
  auto button = [this](const char* text, const char* name) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setText(text);
    ToolBar->addWidget(b);
    return b;
  };
  BtnInsert = button("  입 력  ", "BtnInsert");
  BtnInsert->setProperty("tag", 1);
  BtnEdit = button("수 정", "BtnEdit");
  BtnEdit->setProperty("tag", 2);
  BtnDelete = button("삭 제", "BtnDelete");
  BtnTrans = button("이체자료", "BtnTrans");
  BtnSave = button("저 장", "BtnSave");
  BtnCancel = button("취 소", "BtnCancel");
  BtnExit = button("닫 기", "BtnExit");
  connect(BtnInsert, &QToolButton::clicked, this, [this] { BtnInsertClick(BtnInsert); });
  connect(BtnEdit, &QToolButton::clicked, this, [this] { BtnInsertClick(BtnEdit); });
  connect(BtnDelete, &QToolButton::clicked, this, &TFrmTrans::BtnDeleteClick);
  connect(BtnTrans, &QToolButton::clicked, this, &TFrmTrans::BtnTransClick);
  connect(BtnSave, &QToolButton::clicked, this, &TFrmTrans::BtnSaveClick);
  connect(BtnCancel, &QToolButton::clicked, this, &TFrmTrans::BtnCancelClick);
  connect(BtnExit, &QToolButton::clicked, this, &QDialog::accept);

  auto* fields = new QGridLayout;
  layout->addLayout(fields);
  Edit1 = new QComboBox(this);
  Edit1->setObjectName("Edit1");
  Edit3 = new QComboBox(this);
  Edit3->setObjectName("Edit3");
  Edit2 = new QComboBox(this);
  Edit2->setObjectName("Edit2");
  Edate1 = NewDateBox(this, "Edate1");
  EDate2 = NewDateBox(this, "EDate2");
  Edit4 = new QLineEdit(this);
  Edit4->setObjectName("Edit4");
  Edit4->setMaxLength(20);
  fields->addWidget(new QLabel("기관명", this), 0, 0);
  fields->addWidget(Edit1, 0, 1);
  fields->addWidget(new QLabel("행정동", this), 0, 2);
  fields->addWidget(Edit3, 0, 3);
  fields->addWidget(new QLabel("항목명", this), 0, 4);
  fields->addWidget(Edit2, 0, 5);
  fields->addWidget(new QLabel("작업일", this), 1, 0);
  fields->addWidget(Edate1, 1, 1);
  fields->addWidget(new QLabel("지급일", this), 1, 2);
  fields->addWidget(EDate2, 1, 3);
  fields->addWidget(new QLabel("비고", this), 1, 4);
  fields->addWidget(Edit4, 1, 5);

  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  model_ = new TTableGridModel(dm_.TB_Trans,
                               {{"KiName", "기관명"},
                                {"DoName", "행정동명"},
                                {"LaName", "지급항목"},
                                {"ECount", "이체건수", right},
                                {"TotalSum", "이체금액", right, true},
                                {"A_Date", "작업일자"},
                                {"To_date", "이체일자"},
                                {"Recv_date", "수신일짜"},
                                {"StateName", "상태"}},
                               this);
  DBGrid1 = new QTableView(this);
  DBGrid1->setObjectName("DBGrid1");
  DBGrid1->setModel(model_);
  DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  DBGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DBGrid1->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(DBGrid1);
  connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (loading_ || mode_ != TEditMode::Browse || !current.isValid()) return;
            dm_.TB_Trans.GotoRowId(model_->RowIdAt(current.row()));
          });
  connect(DBGrid1, &QTableView::doubleClicked, this, &TFrmTrans::DBGrid1DblClick);
  resize(900, 520);
  FormCreate();
}

TFrmTrans::~TFrmTrans() {
  dm_.TB_Trans.OnDataChange = nullptr;
}

void TFrmTrans::FormCreate() {
  dm_.TB_Trans.OnDataChange = [this](TTable&) { DataSource1DataChange(); };
  dm_.TB_TransSub.Close();
  dm_.TB_Trans.Close();
  dm_.TB_TransSub.Open();
  dm_.TB_Trans.Open();
  FillLookups();
  ReloadGrid();
}

void TFrmTrans::FillLookups() {
  FillCombo(Edit1, dm_.Database,
            "SELECT KigwanID, KiGwanName FROM KiGwan ORDER BY KigwanID, KiGwanName");
  FillCombo(Edit3, dm_.Database, "SELECT DongID, DongNm FROM TBManager ORDER BY DongID");
  FillCombo(Edit2, dm_.Database,
            "SELECT LargeItmId, LargeItmNm FROM TBLargeItem ORDER BY LargeItmId");
}

void TFrmTrans::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TFrmTrans::FormActivate() {
  SetMode(TEditMode::Browse);
}

void TFrmTrans::SetMode(TEditMode mode) {
  mode_ = mode;
  TOrderButtons b = OrderButtons(mode, dm_.TB_Trans.IsEmpty(), CurrentState(dm_.TB_Trans));
  BtnInsert->setEnabled(b.Insert);
  BtnEdit->setEnabled(b.Edit);
  BtnDelete->setEnabled(b.Delete);
  BtnTrans->setEnabled(b.Trans);
  BtnSave->setEnabled(b.Save);
  BtnCancel->setEnabled(b.Cancel);
  for (QWidget* field : std::initializer_list<QWidget*>{Edit1, Edit3, Edit2, Edate1, EDate2, Edit4})
    field->setEnabled(b.Fields);
  DBGrid1->setEnabled(b.Grid);
  LoadFields();
  if (mode == TEditMode::Browse) DBGrid1->setFocus();
}

void TFrmTrans::DataSource1DataChange() {
  if (mode_ != TEditMode::Browse) return;
  BtnEdit->setEnabled(dm_.TB_Trans.HasCurrent() && CurrentState(dm_.TB_Trans) < 2);
  LoadFields();
}

void TFrmTrans::LoadFields() {
  TTable& trans = dm_.TB_Trans;
  bool has = trans.HasCurrent();
  loading_ = true;
  SelectValue(Edit1, has ? trans.FieldByName("KigwanId").AsString() : std::string());
  SelectValue(Edit3, has ? trans.FieldByName("DongID").AsString() : std::string());
  SelectValue(Edit2, has ? trans.FieldByName("LargeItmID").AsString() : std::string());
  SetDate(Edate1, has ? trans.FieldByName("A_Date").AsDate() : std::nullopt);
  SetDate(EDate2, has ? trans.FieldByName("To_date").AsDate() : std::nullopt);
  Edit4->setText(has ? Q(trans.FieldByName("Bigo").AsString()) : QString());
  if (has && mode_ == TEditMode::Browse) {
    int row = model_->RowOf(trans.RowId());
    if (row >= 0 && DBGrid1->currentIndex().row() != row)
      DBGrid1->setCurrentIndex(model_->index(row, 0));
  }
  loading_ = false;
}

void TFrmTrans::StoreFields() {
  TTable& trans = dm_.TB_Trans;
  QString kigwan = Edit1->currentData().toString();
  trans.FieldByName("KigwanId")
      .Set(kigwan.isEmpty() ? TValue() : TValue(static_cast<std::int64_t>(kigwan.toLongLong())));
  trans.FieldByName("DongID").Set(S(Edit3->currentData().toString()));
  trans.FieldByName("LargeItmID").Set(S(Edit2->currentData().toString()));
  auto work = DateOf(Edate1), pay = DateOf(EDate2);
  trans.FieldByName("A_Date").Set(work ? TValue(*work) : TValue());
  trans.FieldByName("To_date").Set(pay ? TValue(*pay) : TValue());
  trans.FieldByName("Bigo").Set(S(Edit4->text()));
}

void TFrmTrans::ReloadGrid() {
  loading_ = true;
  model_->Reload();
  loading_ = false;
  LoadFields();
}

void TFrmTrans::FocusField(TOrderField field) {
  switch (field) {
    case TOrderField::Institution:
      Edit1->setFocus();
      break;
    case TOrderField::Dong:
      Edit3->setFocus();
      break;
    case TOrderField::Item:
      Edit2->setFocus();
      break;
    case TOrderField::WorkDate:
      Edate1->setFocus();
      break;
    case TOrderField::PayDate:
      EDate2->setFocus();
      break;
    case TOrderField::Grid:
      DBGrid1->setFocus();
      break;
    case TOrderField::None:
      break;
  }
}

void TFrmTrans::BtnInsertClick(QToolButton* sender) {
  bool isNew = sender->property("tag").toInt() == 1;
  if (!BeginOrderEdit(dm_, isNew, sender->isEnabled())) return;
  SetMode(TEditMode::Edit);
  Edit1->setFocus();
}

void TFrmTrans::BtnSaveClick() {
  if (!BtnSave->isEnabled()) return;
  StoreFields();
  TOrderField focus = SaveOrder(dm_);
  if (focus != TOrderField::Grid) {
    FocusField(focus);
    return;
  }
  mode_ = TEditMode::Browse;
  ReloadGrid();
  SetMode(TEditMode::Browse);
}

void TFrmTrans::BtnCancelClick() {
  if (!BtnSave->isEnabled()) return;
  dm_.TB_Trans.Cancel();
  SetMode(TEditMode::Browse);
}

void TFrmTrans::BtnDeleteClick() {
  if (!BtnDelete->isEnabled() || dm_.TB_Trans.IsEmpty()) return;
  std::vector<std::int64_t> marked;
  for (const QModelIndex& index : DBGrid1->selectionModel()->selectedRows())
    marked.push_back(model_->RowIdAt(index.row()));
  if (marked.empty()) marked.push_back(dm_.TB_Trans.RowId());
  if (!ConfirmBox("선택한 " + std::to_string(marked.size()) +
                      " 개의 자료를 삭제하시겠습니까?\r\r삭제 처리한 자료는 "
                      "다시 복구할 수 없습니다.\r",
                  false))
    return;
  DBGrid1->setEnabled(false);
  ToolBar->setEnabled(false);
  loading_ = true;
  DeleteOrders(dm_, marked);
  loading_ = false;
  ToolBar->setEnabled(true);
  DBGrid1->setEnabled(true);
  DBGrid1->clearSelection();
  ReloadGrid();
  SetMode(TEditMode::Browse);
}

void TFrmTrans::BtnTransClick() {
  if (!BtnTrans->isEnabled() || !dm_.TB_Trans.HasCurrent()) return;
  OpenOrderRecipients(dm_, S(Edit3->currentText()), S(Edit2->currentText()));
  {
    TFrmTransSub recipients(dm_, this);
    recipients.exec();
  }
  std::int64_t order = dm_.TB_Trans.RowId();
  ReloadGrid();
  dm_.TB_Trans.GotoRowId(order);
  SetMode(TEditMode::Browse);
}

void TFrmTrans::DBGrid1DblClick() {
  if (mode_ != TEditMode::Browse || !dm_.TB_Trans.HasCurrent()) return;
  std::int64_t order = dm_.TB_Trans.RowId();
  if (!SwitchOrderState(dm_)) return;
  ReloadGrid();
  dm_.TB_Trans.GotoRowId(order);
  SetMode(TEditMode::Browse);
}

void TFrmTrans::done(int result) {
  if (mode_ == TEditMode::Edit) {
    dm_.TB_Trans.Cancel();
    mode_ = TEditMode::Browse;
  }
  dm_.TB_Trans.OnDataChange = nullptr;
  QDialog::done(result);
}

void ShowTransferOrders(TDModule& dm, QWidget* parent) {
  TFrmTrans window(dm, parent);
  window.exec();
}

}  // namespace selvane
