#include "core/ui/UserInput.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Cp949.h"
#include "core/WaitMsg.h"

namespace selvane {
namespace {

// The byte length the banks and the settings file count; text without a CP949 form is counted
// in its own bytes, which still tells a wrong length.
std::size_t ByteLength(const std::string& text) {
  try {
    return Cp949Length(text);
  } catch (const TEncodingError&) {
    return text.size();
  }
}

// "%d" or "%s" of a message filled with a value.
std::string FillIn(std::string message, const std::string& placeholder, const std::string& value) {
  std::size_t at = message.find(placeholder);
  if (at != std::string::npos) message.replace(at, placeholder.size(), value);
  return message;
}

}  // namespace

TfrmUserInput::TfrmUserInput(QWidget* parent) : QDialog(parent) {
  setObjectName("frmUserInput");
  HideWait();

  LblPrompt = new QLabel(this);
  LblPrompt->setObjectName("LblPrompt");
  EdtInput = new QLineEdit(this);
  EdtInput->setObjectName("EdtInput");
  LblPrompt->setBuddy(EdtInput);

  BtnOk = new QPushButton(QString::fromUtf8(" 확 인"), this);
  BtnOk->setObjectName("BtnOk");
  BtnOk->setDefault(true);
  BtnOk->setAutoDefault(true);
  BtnCancel = new QPushButton(QString::fromUtf8(" 취 소"), this);
  BtnCancel->setObjectName("BtnCancel");
  BtnCancel->setAutoDefault(false);
  connect(BtnOk, &QPushButton::clicked, this, &TfrmUserInput::BtnOkClick);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtnOk);
  buttons->addWidget(BtnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LblPrompt);
  layout->addWidget(EdtInput);
  layout->addLayout(buttons);
  setMinimumWidth(300);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void TfrmUserInput::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

void TfrmUserInput::SetLabelText(const std::string& text) {
  labelText_ = text;
  LblPrompt->setText(QString::fromStdString(text));
}

void SetPasswordMask(QLineEdit& edit, char mask) {
  if (mask == '\0') {
    edit.setEchoMode(QLineEdit::Normal);
    edit.setStyleSheet(QString());
    return;
  }
  edit.setEchoMode(QLineEdit::Password);
  edit.setStyleSheet(
      QStringLiteral("QLineEdit { lineedit-password-character: %1; }").arg(int(mask)));
}

void TfrmUserInput::SetMaskChar(char mask) {
  SetPasswordMask(*EdtInput, mask);
}

void TfrmUserInput::SetCompare(bool compare, const std::string& expected) {
  compare_ = compare;
  expected_ = expected;
}

std::string TfrmUserInput::Text() const {
  return EdtInput->text().toStdString();
}

void TfrmUserInput::BtnOkClick() {
  const std::string input = Text();
  if (!allowEmpty_ && input.empty()) {
    EdtInput->setFocus();
    return;
  }
  bool ok = true;
  if (requiredLength_ > 0 && !input.empty() &&
      ByteLength(input) != static_cast<std::size_t>(requiredLength_)) {
    InfoBox(FillIn("%d 글자를 입력해야 합니다.", "%d", std::to_string(requiredLength_)));
    ok = false;
  }
  if (compare_ && input != expected_) {
    InfoBox(FillIn("%s가 다릅니다.", "%s", labelText_));
    ok = false;
  }
  if (ok) {
    RestoreWait();
    accept();
    return;
  }
  ++failures_;
  if (failures_ < maxAttempts_) {
    EdtInput->setFocus();
    EdtInput->selectAll();
  } else {
    reject();
  }
}

}  // namespace selvane
