#include "reference/ui/JaGubun.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/WaitMsg.h"

namespace selvane {

Tfrm_Jagb::Tfrm_Jagb(QWidget* parent) : QDialog(parent) {
  setObjectName("frm_Jagb");
  setWindowTitle(QStringLiteral("자금구분코드 선택"));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("자 금 구 분 :")));
  ComboBox1 = new QComboBox;
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setEditable(false);
  ComboBox1->addItems(
      {QStringLiteral("급여"), QStringLiteral("비급여"), QStringLiteral("정부지원")});
  ComboBox1->setCurrentIndex(-1);
  row->addWidget(ComboBox1, 1);
  layout->addLayout(row);
  auto* buttons = new QHBoxLayout;
  BtnOk = new QPushButton(QStringLiteral("확    인"));
  BtnOk->setObjectName("BtnOk");
  BtnCancel = new QPushButton(QStringLiteral("취    소"));
  BtnCancel->setObjectName("BtnCancel");
  buttons->addStretch(1);
  buttons->addWidget(BtnOk);
  buttons->addWidget(BtnCancel);
  layout->addLayout(buttons);
  connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int Tfrm_Jagb::ItemIndex() const {
  return ComboBox1->currentIndex();
}

void Tfrm_Jagb::BtnOkClick() {
  if (ItemIndex() < 0) {
    InfoBox(kChooseFundCategory);
    return;
  }
  accept();
}

}  // namespace selvane
