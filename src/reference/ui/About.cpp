#include "reference/ui/About.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace selvane {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle(QStringLiteral("프로그램정보"));

  ProgramIcon = new QLabel;
  ProgramIcon->setObjectName("ProgramIcon");
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_ComputerIcon);
  ProgramIcon->setPixmap(icon.pixmap(48, 48));
  ProductName = new QLabel(QStringLiteral("코렉스텔레콤 보건노르바 프로그램"));
  ProductName->setObjectName("ProductName");
  Comments = new QLabel(QStringLiteral("비고: 보건업무에 사용"));
  Comments->setObjectName("Comments");
  OKButton = new QPushButton(QStringLiteral("OK"));
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(ProductName);
  texts->addWidget(Comments);
  auto* panel = new QHBoxLayout;
  panel->addWidget(ProgramIcon, 0, Qt::AlignTop);
  panel->addLayout(texts, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panel);
  layout->addWidget(OKButton, 0, Qt::AlignHCenter);
}

}  // namespace selvane
