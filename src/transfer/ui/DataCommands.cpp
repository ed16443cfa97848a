#include "transfer/ui/DataCommands.h"

#include <QAction>
#include <functional>

#include "core/DM.h"
#include "core/FileChooser.h"
#include "core/WaitMsg.h"
#include "core/ui/FileDialog.h"
#include "core/ui/Main.h"
#include "core/ui/Program.h"
#include "transfer/DataBackup.h"
#include "transfer/DataRecovery.h"
#include "transfer/DataRefresh.h"

namespace selvane {
namespace {

// The program's dialogs for the choices of an operation, installed while it runs.
class TDialogFileChooser : public IFileChooser {
 public:
  explicit TDialogFileChooser(QWidget* parent) : parent_(parent) { InstallFileChooser(this); }
  ~TDialogFileChooser() override { InstallFileChooser(nullptr); }

  std::optional<std::string> ChooseFolder(const std::string& title) override {
    return Chosen(FolderDialog(parent_, QString::fromStdString(title)));
  }
  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& folder,
                                            const std::string& filter) override {
    return Chosen(OpenFileDialog(parent_, QString::fromStdString(title),
                                 QString::fromStdString(filter), QString::fromStdString(folder)));
  }

 private:
  static std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
  }
  QWidget* parent_;
};

// Opens the database again and enables the window when the operation ends, also by an error.
class TReopenAfter {
 public:
  explicit TReopenAfter(TFrmMain& main) : main_(main) {}
  ~TReopenAfter() {
    try {
      ShowWait("자료를 열고 있습니다.");
      OpenDataModule(*DModule);  // a database that does not open is its own error box
      CloseWait();
    } catch (...) {
    }
    main_.setEnabled(true);
  }

 private:
  TFrmMain& main_;
};

void RunDataCommand(TFrmMain& main, const std::function<bool()>& operation, const char* success) {
  if (DModule == nullptr) {
    ErrorBox("데이터베이스가 열려 있지 않습니다.");
    return;
  }
  // A database that did not open again after an earlier operation may still be reset or
  // restored: only an open one is closed.
  if (DModule->Database.IsOpen()) {
    try {
      DModule->Database.Commit();
    } catch (const std::exception& error) {
      ErrorBox(error.what());
      return;
    }
  }
  main.setEnabled(false);
  DModule->CloseDatabase();
  bool ok = false;
  {
    TReopenAfter reopen(main);
    TDialogFileChooser chooser(&main);
    ok = operation();
  }
  if (ok) InfoBox(success);
}

void Wire(TFrmMain& main, const char* item, std::function<bool()> operation, const char* success) {
  QAction* action = main.MenuAction(QString::fromLatin1(item));
  if (action == nullptr) return;
  action->setEnabled(true);
  QObject::connect(action, &QAction::triggered, &main,
                   [&main, operation = std::move(operation), success] {
                     RunDataCommand(main, operation, success);
                   });
}

}  // namespace

void WireDataCommands(TFrmMain& main) {
  Wire(
      main, "MnuBackup", [] { return BackupData(std::string()); }, "자료 받기가 완료되었습니다.");
  Wire(
      main, "MnuRestore", [] { return RestoreData() && ReorganizeData(); },
      "자료 복구가 완료되었습니다.");
  Wire(main, "MnuReset", &ReorganizeData, "자료 재정리가 완료되었습니다.");
}

}  // namespace selvane
