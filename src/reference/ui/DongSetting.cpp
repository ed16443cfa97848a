#include "reference/ui/DongSetting.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/WaitMsg.h"

namespace selvane {

namespace {
constexpr const char* kQorexDong = "0000";
}

TFrmDong::TFrmDong(TDModule& dm, QWidget* parent)
    : TCodeTableForm(dm, dm.TB_Manager, QStringLiteral("코드설정 행정사무소"), parent) {
  setObjectName("FrmDong");
  DBEdit1 = AddTextField(QStringLiteral("코드"), "DongID", 4);
  AddTextField(QStringLiteral("행정사무소명"), "DongNm");
  AddTextField(QStringLiteral("코렉스텔레콤ID"), "QorexID");
  // The EDI user ID belongs to the office "0000" only: its field sits on a panel of its own.
  PanelQorex = new QWidget(PanelFields);
  PanelQorex->setObjectName("PanelQorex");
  auto* qorexLayout = new QGridLayout(PanelQorex);
  qorexLayout->setContentsMargins(0, 0, 0, 0);
  auto* fields = static_cast<QGridLayout*>(PanelFields->layout());
  QWidget* qorexEdit = FieldEditor("QorexID");
  QWidget* qorexLabel = fields->itemAtPosition(2, 0)->widget();
  fields->removeWidget(qorexLabel);
  fields->removeWidget(qorexEdit);
  qorexLayout->addWidget(qorexLabel, 0, 0);
  qorexLayout->addWidget(qorexEdit, 0, 1);
  fields->addWidget(PanelQorex, 2, 0, 1, 2);
  PanelQorex->setVisible(false);
  OnFieldExit(DBEdit1, [this] { DBEdit1Exit(); });

  AddGridColumn(QStringLiteral("코드"), "DongID");
  AddGridColumn(QStringLiteral("동사무소명"), "DongNm");
  AddGridColumn(QStringLiteral("코렉스ID"), "QorexID");
  resize(520, 420);
  FormCreate();
}

void TFrmDong::DBEdit1Exit() {
  std::string code = DBEdit1->text().toStdString();
  if (code == kQorexDong) PanelQorex->setVisible(true);
  if (CharCount(code) < 4) MessageBox(TMsgKind::Error, kDongCodeLengthMessage, kInputErrorCaption);
}

void TFrmDong::DBGrid1CellClick() {
  bool qorex = Table().HasCurrent() && Table().FieldByName("DongID").AsString() == kQorexDong;
  PanelQorex->setVisible(qorex);
}

}  // namespace selvane
