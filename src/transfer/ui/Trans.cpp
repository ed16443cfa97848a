#include "transfer/ui/Trans.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Query.h"
#include "core/WaitMsg.h"
#include "core/ui/QtText.h"
#include "core/ui/TableGridView.h"
#include "transfer/ui/TransSub.h"

namespace selvane {
namespace {

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

TFrmTrans::TFrmTrans(TDModule& dm, QWidget* parent)
    : TTableWindow(dm, dm.TB_Trans, "FrmTrans", "입금자료.....", parent) {
  AddRecordButtons(BtnInsert, BtnEdit, BtnDelete);
  BtnTrans = AddToolButton("이체자료", "BtnTrans", [this] { BtnTransClick(); });
  BtnSave = AddToolButton("저 장", "BtnSave", [this] { BtnSaveClick(); });
  BtnCancel = AddToolButton("취 소", "BtnCancel", [this] { BtnCancelClick(); });
  BtnExit = AddToolButton("닫 기", "BtnExit", [this] { accept(); });

  auto* fields = new QGridLayout;
  layout_->addLayout(fields);
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
  DBGrid1 = new TTableGridView(dm_.TB_Trans,
                               {{"KiName", "기관명"},
                                {"DoName", "행정동명"},
                                {"LaName", "지급항목"},
                                {"ECount", "이체건수", right},
                                {"TotalSum", "이체금액", right, true},
                                {"A_Date", "작업일자"},
                                {"To_date", "이체일자"},
                                {"Recv_date", "수신일짜"},
                                {"StateName", "상태"}},
                               "DBGrid1", QAbstractItemView::ExtendedSelection, this);
  layout_->addWidget(DBGrid1);
  SetGrid(DBGrid1, [this] { DBGrid1DblClick(); });
  resize(900, 520);
  FormCreate();
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
  if (mode_ == TEditMode::Browse) DBGrid1->ShowCurrentRow();
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

void TFrmTrans::FocusField(TOrderField field) {
  const std::pair<TOrderField, QWidget*> editors[] = {
      {TOrderField::Institution, Edit1}, {TOrderField::Dong, Edit3},
      {TOrderField::Item, Edit2},        {TOrderField::WorkDate, Edate1},
      {TOrderField::PayDate, EDate2},    {TOrderField::Grid, DBGrid1}};
  for (const auto& [which, editor] : editors)
    if (which == field) editor->setFocus();
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
  ShowChanges();
}

void TFrmTrans::BtnDeleteClick() {
  if (!BtnDelete->isEnabled() || dm_.TB_Trans.IsEmpty()) return;
  std::vector<std::int64_t> marked;
  for (const QModelIndex& index : DBGrid1->selectionModel()->selectedRows())
    marked.push_back(GridModel().RowIdAt(index.row()));
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
  ShowChanges();
}

void TFrmTrans::BtnTransClick() {
  if (!BtnTrans->isEnabled() || !dm_.TB_Trans.HasCurrent()) return;
  OpenOrderRecipients(dm_, S(Edit3->currentText()), S(Edit2->currentText()));
  {
    TFrmTransSub recipients(dm_, this);
    recipients.exec();
  }
  ReloadKeepingRow();
}

void TFrmTrans::DBGrid1DblClick() {
  SwitchCurrentRow(SwitchOrderState);
}

void ShowTransferOrders(TDModule& dm, QWidget* parent) {
  TFrmTrans window(dm, parent);
  window.exec();
}

}  // namespace selvane
