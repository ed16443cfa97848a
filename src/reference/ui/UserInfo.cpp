#include "reference/ui/UserInfo.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <exception>

#include "core/Cp949.h"
#include "core/StartPassword.h"
#include "core/TextRoutines.h"
#include "core/WaitMsg.h"
#include "core/ui/UserInput.h"

namespace selvane {
namespace {

std::string TextOf(const QLineEdit* edit) {
  return edit->text().toStdString();
}

}  // namespace

TFrmUser::TFrmUser(QWidget* parent) : QDialog(parent) {
  setObjectName("FrmUser");
  setWindowTitle(QStringLiteral("사용자비밀번호"));

  auto* grid = new QGridLayout;
  const char* labels[3] = {"기존비밀번호:", "새  비밀번호:", "확인 비밀번호:"};
  QLineEdit** edits[3] = {&Edit1, &Edit2, &Edit3};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(QString::fromUtf8(labels[i]));
    label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    *edits[i] = new QLineEdit;
    (*edits[i])->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    SetPasswordMask(**edits[i], '*');
    label->setBuddy(*edits[i]);
    grid->addWidget(label, i, 0);
    grid->addWidget(*edits[i], i, 1);
  }
  Edit3->installEventFilter(this);

  Button1 = new QPushButton(QStringLiteral("확인"));
  Button1->setObjectName("Button1");
  Button2 = new QPushButton(QStringLiteral("종료"));
  Button2->setObjectName("Button2");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TFrmUser::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

bool TFrmUser::eventFilter(QObject* watched, QEvent* event) {
  // Leaving the field, not the window losing the focus to a message box or another window.
  if (watched == Edit3 && event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) Edit3Exit();
  }
  return QDialog::eventFilter(watched, event);
}

void TFrmUser::FormShow() {
  try {
    expected_ = ReadStartPassword();
    expectedKnown_ = true;
  } catch (const std::exception& error) {
    // A stored password that cannot be read matches no entry.
    expected_.clear();
    expectedKnown_ = false;
    ErrorBox(error.what());
  }
}

void TFrmUser::Edit3Exit() {
  if (Trim(TextOf(Edit2)) != Trim(TextOf(Edit3)))
    MessageBox(TMsgKind::Warning, "확인 비밀번호가 틀립니다", "비밀번호확인");
}

void TFrmUser::Button1Click() {
  if (!expectedKnown_ || expected_ != Trim(TextOf(Edit1))) {
    InfoBox("비밀번호다릅니다. 확인하여주세요.");
    Edit1->setFocus();
    return;
  }
  const std::string password = Trim(TextOf(Edit2));
  try {
    EncodeStartPassword(password);
  } catch (const TEncodingError& error) {
    ErrorBox(error.what());  // the settings file keeps CP949 only
    Edit2->setFocus();
    return;
  }
  if (AskBox("비밀번호를 변환하세겠습니까?", mbOK | mbCancel) != mrOk) return;
  std::string error;
  if (!WriteStartPassword(password, error)) {
    ErrorBox("비밀번호를 저장하지 못했습니다: " + error);
    return;
  }
  expected_ = password;
}

void TFrmUser::Button2Click() {
  close();
}

}  // namespace selvane
