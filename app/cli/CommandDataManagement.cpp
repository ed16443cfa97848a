// backup DIR, restore FILE, reset: the data-management commands of the main window, without the
// window. Success is the window's message as a "status:" line; the operations' own messages are
// "info:" and "error:" lines.
#include "Command.h"
#include "core/TerminalWaitMsg.h"
#include "transfer/DataBackup.h"
#include "transfer/DataRecovery.h"
#include "transfer/DataRefresh.h"

namespace selvane::cli {
namespace {

// A script cannot change the medium between two questions: the same question asked again right
// after its answer would come back forever, so the second time it is answered with cancel.
class TNoEndlessQuestion : public IWaitMsg {
 public:
  TNoEndlessQuestion(IWaitMsg& inner, std::ostream& out) : inner_(inner), out_(out) {
    InstallWaitMsg(this);
  }
  ~TNoEndlessQuestion() override { InstallWaitMsg(&inner_); }

  void ShowWait(const std::string& message) override { inner_.ShowWait(message); }
  void ShowWaitProgress(const std::string& message, int minimum, int maximum,
                        bool countMode) override {
    inner_.ShowWaitProgress(message, minimum, maximum, countMode);
  }
  void StepWaitProgress() override { inner_.StepWaitProgress(); }
  void HideWait() override { inner_.HideWait(); }
  void RestoreWait() override { inner_.RestoreWait(); }
  void CloseWait() override { inner_.CloseWait(); }
  void MessageBox(TMsgKind kind, const std::string& message, const std::string& caption) override {
    last_.clear();
    inner_.MessageBox(kind, message, caption);
  }
  bool ConfirmBox(const std::string& message, bool defaultIsYes) override {
    return inner_.ConfirmBox(message, defaultIsYes);
  }
  bool YesNoBox(const std::string& message, const std::string& caption, bool warning) override {
    return inner_.YesNoBox(message, caption, warning);
  }
  int AskBox(const std::string& message, unsigned buttons) override {
    if (message == last_ && (buttons & mbCancel)) {
      out_ << "question: " << OneLine(message) << " -> cancel (asked again)\n" << std::flush;
      last_.clear();
      return mrCancel;
    }
    last_ = message;
    return inner_.AskBox(message, buttons);
  }

 private:
  IWaitMsg& inner_;
  std::ostream& out_;
  std::string last_;
};

int Finish(TCommandContext& context, bool ok, const char* success) {
  if (ok) context.Out << "status: " << success << '\n';
  return ok ? 0 : 1;
}

int RunBackup(TCommandContext& context) {
  if (context.Args.size() != 1 || context.Args[0].empty()) return UsageError(context, "backup DIR");
  TNoEndlessQuestion questions(CurrentWaitMsg(), context.Out);
  return Finish(context, BackupData(context.Args[0]), "자료 받기가 완료되었습니다.");
}

int RunRestore(TCommandContext& context) {
  if (context.Args.size() != 1 || context.Args[0].empty())
    return UsageError(context, "restore FILE");
  TNoEndlessQuestion questions(CurrentWaitMsg(), context.Out);
  bool ok = RestoreBackupFile(context.Args[0]) && ReorganizeData();
  return Finish(context, ok, "자료 복구가 완료되었습니다.");
}

int RunReset(TCommandContext& context) {
  if (!context.Args.empty()) return UsageError(context, "reset");
  return Finish(context, ReorganizeData(), "자료 재정리가 완료되었습니다.");
}

TCommandRegistrar backupCommand(
    "backup", "backup DIR",
    "back the database up into DIR as BByymmdd.zip (A:, B: or their mount folder: the pieces "
    "over removable media)",
    &RunBackup);
TCommandRegistrar restoreCommand("restore", "restore FILE",
                                 "restore the backup FILE (BByymmdd.zip or .001), then reset",
                                 &RunRestore);
TCommandRegistrar resetCommand("reset", "reset",
                               "rebuild the database from BlankDb.bin, keeping every row",
                               &RunReset);

}  // namespace
}  // namespace selvane::cli
