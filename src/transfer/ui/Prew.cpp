#include "transfer/ui/Prew.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Query.h"
#include "core/WaitMsg.h"
#include "transfer/ui/paint/PrintDisPlay.h"
#include "transfer/ui/paint/ReportFont.h"

namespace selvane {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

void FillNames(QComboBox& box, TDatabase& db, const char* sql) {
  TQuery names(db);
  names.SetSql(sql);
  names.Open();
  for (names.First(); !names.Eof(); names.Next()) box.addItem(Q(names.Field(0).AsString()));
}

}  // namespace

TFrmPrew::TFrmPrew(TDModule& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
  setObjectName("FrmPrew");
  setWindowTitle("선택출력");
  auto* layout = new QVBoxLayout(this);
  auto* fields = new QGridLayout;
  layout->addLayout(fields);
  CmbDong = new QComboBox(this);
  CmbDong->setObjectName("CmbDong");
  CmbDong->addItem(kAllDongsName);
  FillNames(*CmbDong, dm_.Database, "SELECT DongNm FROM TBManager ORDER BY DongID");
  CmbDong->setCurrentIndex(-1);
  CmbItem = new QComboBox(this);
  CmbItem->setObjectName("CmbItem");
  FillNames(*CmbItem, dm_.Database, "SELECT LargeItmNm FROM TBLargeItem ORDER BY LargeItmId");
  CmbItem->setCurrentIndex(-1);
  CmbDong->installEventFilter(this);
  CmbItem->installEventFilter(this);
  fields->addWidget(new QLabel("동", this), 0, 0);
  fields->addWidget(CmbDong, 0, 1);
  fields->addWidget(new QLabel("항목", this), 1, 0);
  fields->addWidget(CmbItem, 1, 1);
  fields->setColumnStretch(1, 1);

  RadioGroup1 = new QGroupBox("선택", this);
  RadioGroup1->setObjectName("RadioGroup1");
  auto* choices = new QVBoxLayout(RadioGroup1);
  for (int i = 0; i < kPrintChoiceCount; ++i) {
    Choices[i] = new QRadioButton(kPrintChoiceNames[i], RadioGroup1);
    Choices[i]->setObjectName(QStringLiteral("Choice%1").arg(i));
    choices->addWidget(Choices[i]);
  }
  Choices[0]->setChecked(true);
  layout->addWidget(RadioGroup1);

  auto* buttons = new QHBoxLayout;
  layout->addLayout(buttons);
  BtnPrint = new QPushButton("출력", this);
  BtnPrint->setObjectName("BtnPrint");
  BtnClose = new QPushButton("닫기", this);
  BtnClose->setObjectName("BtnClose");
  buttons->addStretch(1);
  buttons->addWidget(BtnPrint);
  buttons->addWidget(BtnClose);
  connect(BtnPrint, &QPushButton::clicked, this, &TFrmPrew::BtnPrintClick);
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
  setMinimumWidth(320);
}

bool TFrmPrew::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == CmbDong) CmbDongExit();
    if (watched == CmbItem) CmbItemExit();
  }
  return QDialog::eventFilter(watched, event);
}

TPrintChoice TFrmPrew::Choice() const {
  for (int i = 0; i < kPrintChoiceCount; ++i)
    if (Choices[i]->isChecked()) return static_cast<TPrintChoice>(i);
  return TPrintChoice::AllData;
}

void TFrmPrew::CmbDongExit() {
  DongCode = DongCodeOf(dm_, CmbDong->currentText().toStdString());
}

void TFrmPrew::CmbItemExit() {
  ItemCode = ItemCodeOf(dm_, CmbItem->currentText().toStdString());
}

void TFrmPrew::BtnPrintClick() {
  TStatementOutcome outcome;
  try {
    outcome = PreparePaymentStatement(dm_, Choice(), CmbDong->currentText().toStdString(),
                                      CmbItem->currentText().toStdString());
  } catch (const std::exception& error) {
    ErrorBox(error.what());
    return;
  }
  DongCode = outcome.DongCode;
  ItemCode = outcome.ItemCode;
  using TEnd = TStatementOutcome::TEnd;
  switch (outcome.End) {
    case TEnd::MissingCodes:
      AskBox(outcome.Message, mbOK);
      return;
    case TEnd::WriteFailed:
      ErrorBox(outcome.Message);
      return;
    case TEnd::NoData:
    case TEnd::Ready:
      break;
  }
  if (!outcome.Warning.empty()) WarningBox(outcome.Warning);
  if (outcome.End == TEnd::NoData) {
    InfoBox(outcome.Message);
    return;
  }
  ShowStatementPreview(outcome.Statement, this);
}

bool ShowStatementPreview(const TPaymentStatement& statement, QWidget* parent) {
  std::string error;
  if (!LoadReportFont(error)) {
    ErrorBox(error);
    return false;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName("지급내역서");
  TFrmPrint::SetUpPage(printer);
  TFrmPrint report(statement);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setObjectName("PrintPreview");
  preview.setWindowTitle("지급내역서");
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&report, &error](QPrinter* target) {
                     if (report.Print(*target, error) == 0 && error.empty())
                       error = "지급내역서를 출력할 수 없습니다.";
                   });
  preview.resize(900, 1000);
  preview.exec();
  if (!error.empty()) {
    ErrorBox(error);
    return false;
  }
  return true;
}

}  // namespace selvane
