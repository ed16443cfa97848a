#include "transfer/ui/TransSub.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "core/Query.h"
#include "core/WaitMsg.h"
#include "core/ui/FileDialog.h"
#include "core/ui/QtText.h"
#include "core/ui/TableGridView.h"
#include "reference/ui/Find.h"
#include "reference/ui/JaGubun.h"
#include "transfer/FixedRecipientImport.h"
#include "transfer/FundCategory.h"
#include "transfer/OrderRecipients.h"
#include "transfer/ui/CatchCms.h"

namespace selvane {
TFrmTransSub::TFrmTransSub(TDModule& dm, QWidget* parent)
    : TTableWindow(dm, dm.TB_TransSub, "FrmTransSub", "입급자료 세부항목", parent) {
  AddRecordButtons(BtnInsert, BtnEdit, BtnDelete);
  BtnOpen = AddToolButton("불러오기", "BtnOpen", [this] { BtnOpenClick(); });
  BtnFind = AddToolButton("검 색", "BtnFind", [this] { BtnFindClick(); });
  BtnSave = AddToolButton("저 장", "BtnSave", [this] { BtnSaveClick(); });
  BtnCancel = AddToolButton("취 소", "BtnCancel", [this] { BtnCancelClick(); });
  ToolButton1 = AddToolButton("자료변환", "ToolButton1", [this] { ToolButton1Click(); });
  BtnExit = AddToolButton("닫 기", "BtnExit", [this] { BtnExitClick(); });

  auto* fields = new QGridLayout;
  layout_->addLayout(fields);
  auto line = [this](const char* name, int maxLength) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    if (maxLength > 0) edit->setMaxLength(maxLength);
    return edit;
  };
  Edit1 = new QComboBox(this);
  Edit1->setObjectName("Edit1");
  Edit7 = line("Edit7", 2);
  Edit7->setReadOnly(true);
  Edit7->setMaximumWidth(40);
  Edit2 = line("Edit2", 20);
  Edit3 = line("Edit3", 14);
  Edit4 = line("Edit4", 20);
  Edit5 = line("Edit5", 15);
  Edit5->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[0-9]{0,13}(\\.[0-9]{0,4})?"), Edit5));
  Edit6 = line("Edit6", 0);
  Edit6->setReadOnly(true);
  lbl_jaGubun = new QLabel("자금구분  ", this);
  dcb_jagubun = new QComboBox(this);
  dcb_jagubun->setObjectName("dcb_jagubun");
  for (const char* name : kFundCategoryNames) dcb_jagubun->addItem(name);
  dcb_jagubun->setCurrentIndex(-1);
  auto* bankRow = new QHBoxLayout;
  bankRow->addWidget(Edit1, 1);
  bankRow->addWidget(Edit7);
  fields->addWidget(new QLabel("은 행 명", this), 0, 0);
  fields->addLayout(bankRow, 0, 1);
  fields->addWidget(new QLabel("계좌번호", this), 0, 2);
  fields->addWidget(Edit2, 0, 3);
  fields->addWidget(new QLabel("주민번호", this), 0, 4);
  fields->addWidget(Edit3, 0, 5);
  fields->addWidget(new QLabel("성명", this), 1, 0);
  fields->addWidget(Edit4, 1, 1);
  fields->addWidget(new QLabel("금액", this), 1, 2);
  fields->addWidget(Edit5, 1, 3);
  fields->addWidget(new QLabel("수신결과", this), 1, 4);
  fields->addWidget(Edit6, 1, 5);
  fields->addWidget(lbl_jaGubun, 2, 0);
  fields->addWidget(dcb_jagubun, 2, 1);

  TQuery banks(dm_.Database);
  banks.SetSql("SELECT BankID, BankNM FROM TBBank ORDER BY BankID");
  banks.Open();
  for (banks.First(); !banks.Eof(); banks.Next())
    Edit1->addItem(Q(banks.Field(1).AsString()), Q(banks.Field(0).AsString()));
  Edit1->setCurrentIndex(-1);
  connect(Edit1, &QComboBox::currentIndexChanged, this, [this] {
    if (!loading_) Edit1Change();
  });

  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  DBGrid1 = new TTableGridView(dm_.TB_TransSub,
                               {{"BankName", "은행명"},
                                {"BankNo", "계좌번호"},
                                {"Jumin", "주민번호"},
                                {"Name", "성명"},
                                {"Monecy", "금액", right, true},
                                {"Recv_date", "수신일자", Qt::AlignCenter},
                                {"ResultName", "수신결과"},
                                {"StateName", "상태"},
                                {"JaGubun", "자금구분코드", right}},
                               "DBGrid1", QAbstractItemView::SingleSelection, this);
  // Wide enough for the longest hyphenated account and a resident number.
  DBGrid1->setColumnWidth(1, 150);
  DBGrid1->setColumnWidth(2, 120);
  DBGrid1->setColumnWidth(4, 90);
  DBGrid1->setColumnWidth(5, 90);
  DBGrid1->setColumnWidth(7, 80);
  layout_->addWidget(DBGrid1);
  SetGrid(DBGrid1, [this] { DBGrid1DblClick(); });
  resize(960, 560);
  FormCreate();
}

void TFrmTransSub::FormCreate() {
  dm_.TB_TransSub.OnDataChange = [this](TTable&) { DataSource1DataChange(); };
  fundCategory_ = false;
  ReloadGrid();
}

void TFrmTransSub::FormShow() {
  if (!dm_.TB_Trans.HasCurrent()) return;
  CurrentOrderKey = {static_cast<int>(dm_.TB_Trans.FieldByName("KigwanId").AsInteger()),
                     dm_.TB_Trans.FieldByName("DongID").AsString(),
                     dm_.TB_Trans.FieldByName("LargeItmID").AsString()};
}

void TFrmTransSub::FormActivate() {
  SetMode(TEditMode::Browse);
  SetUpFundCategory();
}

std::string TFrmTransSub::OrderBank() {
  return dm_.TB_Trans.HasCurrent() ? dm_.TB_Trans.FieldByName("BankID").AsString() : std::string();
}

void TFrmTransSub::SetUpFundCategory() {
  std::string bank = OrderBank();
  dcb_jagubun->clear();
  bool applies = FundCategoryApplies(bank);
  if (applies) {
    fundCategory_ = true;
    for (int choice = 0; choice < 3; ++choice)
      dcb_jagubun->addItem(kFundCategoryNames[static_cast<std::size_t>(choice)],
                           *FundCategoryValue(bank, choice));
  }
  lbl_jaGubun->setVisible(applies);
  dcb_jagubun->setVisible(applies);
  DBGrid1->setColumnHidden(8, !applies);
  LoadFields();
}

void TFrmTransSub::SetMode(TEditMode mode) {
  mode_ = mode;
  bool browse = mode == TEditMode::Browse;
  BtnInsert->setEnabled(browse);
  BtnEdit->setEnabled(browse && !dm_.TB_TransSub.IsEmpty());
  BtnDelete->setEnabled(browse && !dm_.TB_TransSub.IsEmpty());
  BtnOpen->setEnabled(browse);
  BtnSave->setEnabled(!browse);
  BtnCancel->setEnabled(!browse);
  // A search or a conversion would move the list away from the row being edited.
  BtnFind->setEnabled(browse);
  if (!browse) ToolButton1->setEnabled(false);
  for (QWidget* field :
       std::initializer_list<QWidget*>{Edit1, Edit2, Edit3, Edit4, Edit5, dcb_jagubun})
    field->setEnabled(!browse);
  DBGrid1->setEnabled(browse);
  if (browse) {
    ButtonsByState();
    LoadFields();
    DBGrid1->setFocus();
  }
}

void TFrmTransSub::ButtonsByState() {
  TRecipientButtons b =
      RecipientButtons(TEditMode::Browse, dm_.TB_TransSub.IsEmpty(), CurrentState(dm_.TB_TransSub));
  BtnInsert->setEnabled(b.Insert);
  BtnEdit->setEnabled(b.Edit);
  BtnDelete->setEnabled(b.Delete);
  BtnOpen->setEnabled(b.Open);
  ToolButton1->setEnabled(b.Convert);
}

void TFrmTransSub::DataSource1DataChange() {
  if (mode_ != TEditMode::Browse) return;
  ButtonsByState();
  LoadFields();
}

void TFrmTransSub::LoadFields() {
  TTable& sub = dm_.TB_TransSub;
  bool has = sub.HasCurrent();
  auto text = [&](const char* field) {
    return has ? Q(sub.FieldByName(field).AsString()) : QString();
  };
  loading_ = true;
  QString bank = text("BankId");
  Edit1->setCurrentIndex(bank.isEmpty() ? -1 : Edit1->findData(bank));
  Edit7->setText(bank);
  Edit2->setText(text("BankNo"));
  Edit3->setText(text("Jumin"));
  Edit4->setText(text("Name"));
  Edit5->setText(text("Monecy"));
  Edit6->setText(text("ResultName"));
  QString fund = text("JaGubun");
  dcb_jagubun->setCurrentIndex(fund.isEmpty() ? -1 : dcb_jagubun->findData(fund.toInt()));
  if (mode_ == TEditMode::Browse) DBGrid1->ShowCurrentRow();
  loading_ = false;
}

void TFrmTransSub::StoreFields() {
  TTable& sub = dm_.TB_TransSub;
  sub.FieldByName("BankId").Set(S(Edit1->currentData().toString()));
  sub.FieldByName("BankNo").Set(S(Edit2->text().trimmed()));
  sub.FieldByName("Jumin").Set(S(Edit3->text().trimmed()));
  sub.FieldByName("Name").Set(S(Edit4->text()));
  auto amount = TMoney::Parse(S(Edit5->text()));
  sub.FieldByName("Monecy").Set(amount ? TValue(*amount) : TValue());
  if (fundCategory_ && dcb_jagubun->currentIndex() >= 0)
    sub.FieldByName("JaGubun").Set(dcb_jagubun->currentData().toInt());
  else if (!fundCategory_)
    sub.FieldByName("JaGubun").Clear();
}

void TFrmTransSub::FocusField(TRecipientField field) {
  const std::pair<TRecipientField, QWidget*> editors[] = {{TRecipientField::Bank, Edit1},
                                                          {TRecipientField::Account, Edit2},
                                                          {TRecipientField::Resident, Edit3},
                                                          {TRecipientField::Amount, Edit5}};
  for (const auto& [which, editor] : editors)
    if (which == field) editor->setFocus();
}

void TFrmTransSub::BtnInsertClick(QToolButton* sender) {
  bool isNew = sender->property("tag").toInt() == 1;
  if (!BeginRecipientEdit(dm_, isNew, sender->isEnabled())) return;
  SetMode(TEditMode::Edit);
  LoadFields();
  Edit1->setFocus();
}

void TFrmTransSub::Edit1Change() {
  if (mode_ != TEditMode::Edit) return;
  dm_.Qry1.Close();
  dm_.Qry1.SetSql("SELECT BankId,BankNm\nFROM TBBank\nWHERE BankNm = :BankNm");
  dm_.Qry1.Open({TValue(S(Edit1->currentText()))});
  Edit7->setText(Q(dm_.Qry1.FieldByName("BankId").AsString()));
  dm_.Qry1.Close();
}

void TFrmTransSub::BtnSaveClick() {
  if (!BtnSave->isEnabled()) return;
  StoreFields();
  TRecipientEntry entry{OrderBank(), S(Edit1->currentText()), S(Edit7->text()), S(Edit3->text())};
  TRecipientSaveResult result = SaveRecipient(dm_, entry);
  if (!result.Saved) {
    // The save may have changed the buffer (21 to 88, the hyphenated account):
    // show it.
    loading_ = true;
    QString bank = Q(dm_.TB_TransSub.FieldByName("BankId").AsString());
    Edit1->setCurrentIndex(Edit1->findData(bank));
    Edit7->setText(bank);
    Edit2->setText(Q(dm_.TB_TransSub.FieldByName("BankNo").AsString()));
    loading_ = false;
    FocusField(result.Focus);
    return;
  }
  ShowChanges();
}

void TFrmTransSub::BtnDeleteClick() {
  if (!BtnDelete->isEnabled()) return;
  if (!DeleteRecipient(dm_)) return;
  ShowChanges();
}

void TFrmTransSub::BtnFindClick() {
  if (!BtnFind->isEnabled()) return;
  TFrmFind find(dm_, dm_.TB_TransSub, this);
  find.exec();
  LoadFields();
}

void TFrmTransSub::BtnOpenClick() {
  if (!BtnOpen->isEnabled()) return;
  TFixedImportRequest request{CurrentOrderKey, OrderBank(), std::nullopt, CurrentDongName,
                              CurrentItemName};
  if (fundCategory_) {
    Tfrm_Jagb choose(this);
    if (choose.exec() != QDialog::Accepted) return;
    request.FundChoice = choose.ItemIndex();
  }
  QString file =
      OpenFileDialog(this, "노르바뱅킹 텍스트 파일 선택", "노르바뱅킹 텍스트파일 (*.txt)|*.TXT");
  if (file.isEmpty()) return;
  // The list is drawn once when the import ends, not after every line.
  dm_.TB_TransSub.OnDataChange = nullptr;
  try {
    ImportFixedPositionFile(dm_, request, S(file));
  } catch (...) {
    dm_.TB_TransSub.OnDataChange = [this](TTable&) { DataSource1DataChange(); };
    throw;
  }
  dm_.TB_TransSub.OnDataChange = [this](TTable&) { DataSource1DataChange(); };
  ShowChanges();
}

void TFrmTransSub::ToolButton1Click() {
  if (!ToolButton1->isEnabled()) return;
  {
    TfmCatchCMS convert(dm_, this);
    convert.exec();
  }
  ShowChanges();
}

void TFrmTransSub::BtnExitClick() {
  accept();
}

void TFrmTransSub::DBGrid1DblClick() {
  SwitchCurrentRow(SwitchRecipientState);
}

void TFrmTransSub::done(int result) {
  ReleaseTable();
  // However the window closes, the order's count and total follow its
  // recipients.
  RecalcOrderTotals(dm_);
  dm_.CommitAllTables();
  QDialog::done(result);
}

}  // namespace selvane
