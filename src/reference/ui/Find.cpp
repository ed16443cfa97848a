#include "reference/ui/Find.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/WaitMsg.h"
#include "reference/RecipientSearch.h"

namespace selvane {

namespace {

QWidget* SearchPage(QWidget* field, const QString& label, QPushButton*& search,
                    QPushButton*& close) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* form = new QFormLayout;
  form->addRow(label, field);
  layout->addLayout(form);
  auto* buttons = new QHBoxLayout;
  search = new QPushButton(QStringLiteral("검색"));
  close = new QPushButton(QStringLiteral("닫기"));
  // The buttons leave the focus where it is, as the field's last value is what is searched.
  search->setFocusPolicy(Qt::NoFocus);
  close->setFocusPolicy(Qt::NoFocus);
  buttons->addStretch(1);
  buttons->addWidget(search);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  layout->addStretch(1);
  return page;
}

}  // namespace

TFrmFind::TFrmFind(TDModule& dm, TTable& searched, QWidget* parent)
    : QDialog(parent), dm_(dm), searched_(searched) {
  setObjectName("FrmFind");
  setWindowTitle(QStringLiteral("검색"));
  auto* layout = new QVBoxLayout(this);
  PageControl1 = new QTabWidget;
  PageControl1->setObjectName("PageControl1");
  layout->addWidget(PageControl1);

  CmbBank = new QComboBox;
  CmbBank->setObjectName("CmbBank");
  EdtAccount = new QLineEdit;
  EdtAccount->setObjectName("EdtAccount");
  auto* bankPage = new QWidget;
  auto* bankLayout = new QVBoxLayout(bankPage);
  auto* bankForm = new QFormLayout;
  bankForm->addRow(QStringLiteral("은행"), CmbBank);
  bankLayout->addLayout(bankForm);
  QWidget* accountPart = SearchPage(EdtAccount, QStringLiteral("계좌"), BtnSearch1, BtnClose1);
  accountPart->layout()->setContentsMargins(0, 0, 0, 0);
  bankLayout->addWidget(accountPart);
  PageControl1->addTab(bankPage, QStringLiteral("은행,계좌번호검색"));

  EdtJumin = new QLineEdit;
  EdtJumin->setObjectName("EdtJumin");
  PageControl1->addTab(SearchPage(EdtJumin, QStringLiteral("주민번호"), BtnSearch2, BtnClose2),
                       QStringLiteral("주민번호 검색"));
  BtnSearch1->setObjectName("BtnSearch1");
  BtnClose1->setObjectName("BtnClose1");
  BtnSearch2->setObjectName("BtnSearch2");
  BtnClose2->setObjectName("BtnClose2");

  CmbBank->installEventFilter(this);
  EdtAccount->installEventFilter(this);
  EdtJumin->installEventFilter(this);
  connect(BtnSearch1, &QPushButton::clicked, this, [this] { BtnSearchClick(); });
  connect(BtnSearch2, &QPushButton::clicked, this, [this] { BtnSearchClick(); });
  connect(BtnClose1, &QPushButton::clicked, this, &QDialog::close);
  connect(BtnClose2, &QPushButton::clicked, this, &QDialog::close);
  resize(360, 200);
  FormCreate();
}

void TFrmFind::FormCreate() {
  for (const std::string& name : SearchBankNames(dm_.TB_Bank))
    CmbBank->addItem(QString::fromStdString(name));
  CmbBank->setCurrentIndex(0);
}

bool TFrmFind::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == CmbBank) CmbBankExit();
    if (watched == EdtAccount) EdtAccountExit();
    if (watched == EdtJumin) EdtJuminExit();
  }
  return QDialog::eventFilter(watched, event);
}

void TFrmFind::CmbBankExit() {
  bankCode_ = CmbBank->currentIndex() <= 0
                  ? std::string()
                  : SearchBankCode(dm_.TB_Bank, CmbBank->currentText().toStdString());
}

void TFrmFind::EdtAccountExit() {
  account_ = EdtAccount->text().toStdString();
}

void TFrmFind::EdtJuminExit() {
  residentNo_ = EdtJumin->text().toStdString();
}

void TFrmFind::BtnSearchClick() {
  // The bank shown in the list is the one searched, even when the list still has the focus.
  CmbBankExit();
  EdtAccountExit();
  EdtJuminExit();
  TRecipientSearch search;
  search.ByResidentNo = PageControl1->currentIndex() == 1;
  search.BankChosen = CmbBank->currentIndex() > 0;
  search.BankCode = bankCode_;
  search.Account = account_;
  search.ResidentNo = residentNo_;
  try {
    SearchRecipient(searched_, search);
  } catch (const std::exception& error) {
    ErrorBox(error.what());
  }
}

}  // namespace selvane
