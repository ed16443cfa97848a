#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <utility>
#include <vector>

#include "EnvSetup.h"
#include "Mailbox.h"
#include "NetPost32.h"

namespace selvane::netpost {

namespace {

// The label of each text value of the settings record, by its registry name.
const char* LabelOf(const std::string& name) {
  static const std::pair<const char*, const char*> kLabels[] = {
      {"Connect1", "주 접속망"},    {"Connect2", "보조 접속망"},
      {"Phone1", "주 접속번호"},    {"Phone2", "보조 접속번호"},
      {"ModemInit", "모뎀 초기화"}, {"Port", "포트"},
      {"Protocol", "전송 방식"},    {"Speed", "속도"},
      {"LoginID", "사용자 ID"},     {"Password", "비밀번호"},
      {"SendDir", "송신 폴더"},     {"RecvDir", "수신 폴더"},
      {"ResultDir", "결과 폴더"},   {"ScriptDir", "스크립트 폴더"},
  };
  for (const auto& [value, label] : kLabels)
    if (name == value) return label;
  return "";
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

int ShowDialog(const std::string& programKey) {
  TEdiConfig config = DefaultEdiConfig(programKey);
  ReadEdiSettings(config, programKey);  // missing keys: the defaults are offered

  QDialog dialog;
  dialog.setObjectName("NetPost32EnvSetup");
  dialog.setWindowTitle("통신환경설정");
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  // Inputs are named "Ed" and check boxes by the registry value they edit.
  std::vector<std::pair<const TEdiTextValue*, QLineEdit*>> edits;
  for (auto values : {EdiCommValues(), EdiUserTexts()})
    for (const auto& value : values) {
      auto* edit = new QLineEdit(Text(config.*value.Field), &dialog);
      edit->setObjectName(QString("Ed") + value.Name);
      if (value.Field == &TEdiConfig::Password) edit->setEchoMode(QLineEdit::Password);
      form->addRow(LabelOf(value.Name), edit);
      edits.emplace_back(&value, edit);
    }
  auto* mailbox = new QLineEdit(Text(MailboxFolder(programKey)), &dialog);
  mailbox->setObjectName("EdMailbox");
  form->addRow("메일함 폴더", mailbox);
  auto* flags = new QGridLayout;
  layout->addLayout(flags);
  std::vector<std::pair<const TEdiFlagValue*, QCheckBox*>> boxes;
  for (const auto& flag : EdiUserFlags()) {
    auto* box = new QCheckBox(flag.Name, &dialog);
    box->setObjectName(flag.Name);
    box->setChecked(config.*flag.Field);
    const int at = static_cast<int>(boxes.size());
    flags->addWidget(box, at / 3, at % 3);
    boxes.emplace_back(&flag, box);
  }
  auto* buttons = new QDialogButtonBox(&dialog);
  auto* ok = buttons->addButton(" 확 인", QDialogButtonBox::AcceptRole);
  ok->setObjectName("BtnOk");
  ok->setDefault(true);
  buttons->addButton(" 취 소", QDialogButtonBox::RejectRole)->setObjectName("BtnCancel");
  layout->addWidget(buttons);

  int result = 0;
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    for (const auto& [value, edit] : edits) config.*value->Field = edit->text().toStdString();
    for (const auto& [flag, box] : boxes) config.*flag->Field = box->isChecked();
    std::string error;
    if (SaveSetup(config, mailbox->text().trimmed().toStdString(), error)) {
      result = 1;
      dialog.accept();
    } else {
      // The dialog stays open: the user may mend the settings file and try again, or cancel.
      QMessageBox::warning(&dialog, "통신환경설정", Text(error));
      result = NETPOST32_REGISTRY;
    }
  });
  if (dialog.exec() != QDialog::Accepted) return result == NETPOST32_REGISTRY ? result : 0;
  return result;
}

}  // namespace

int RunEnvSetup(const std::string& programKey) {
  // Called from a program without a Qt application object, the dialog brings its own.
  std::unique_ptr<QApplication> application;
  if (QApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "NetPost32";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QApplication>(argc, argv);
  }
  return ShowDialog(programKey);
}

}  // namespace selvane::netpost
