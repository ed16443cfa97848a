#include "core/ui/Program.h"

#include <unistd.h>
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <exception>
#include <memory>

#include "core/DM.h"
#include "core/Globals.h"
#include "core/SingleInstance.h"
#include "core/StartPassword.h"
#include "core/Startup.h"
#include "core/WaitMsg.h"
#include "core/ui/Main.h"
#include "core/ui/UserInput.h"
#include "core/ui/WaitMsg.h"

namespace selvane {
namespace {

std::vector<std::string> g_arguments;

// An error that no window catches ends in the standard error box, not in a crash.
class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      ErrorBox(error.what());
    } catch (...) {
      ErrorBox("알 수 없는 오류가 발생했습니다.");
    }
    return false;
  }
};

// Takes --home DIR off the arguments; the rest stay for the program.
void ReadOptions(int argc, char** argv) {
  g_arguments.clear();
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--home" && i + 1 < argc) {
      SetProgramHome(argv[++i]);
    } else {
      g_arguments.push_back(arg);
    }
  }
}

class TWaitMsgInstalled {
 public:
  explicit TWaitMsgInstalled(IWaitMsg& implementation) { InstallWaitMsg(&implementation); }
  ~TWaitMsgInstalled() { InstallWaitMsg(nullptr); }
};

}  // namespace

const std::vector<std::string>& ProgramArguments() {
  return g_arguments;
}

void SetProgramArguments(std::vector<std::string> arguments) {
  g_arguments = std::move(arguments);
}

void PrepareWebEngine() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

void UseProgramFont(QApplication& app) {
  const QString family = QStringLiteral("NanumGothic");
  if (QFontDatabase::families().contains(family)) app.setFont(QFont(family, 10));
}

bool UseKoreanQtTexts(QApplication& app) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  bool base = false;
  for (const char* catalog : {"qtbase", "qtwebengine"}) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Korean, QLocale::SouthKorea), catalog, "_", folder) &&
        app.installTranslator(translator)) {
      base = base || QLatin1String(catalog) == QLatin1String("qtbase");
    } else {
      delete translator;
    }
  }
  return base;
}

void UseProgramIcon(QApplication& app) {
  app.setWindowIcon(QIcon::fromTheme("selvane", QIcon(":/selvane/selvane-256.png")));
}

TfrmUserInput* CreateStartPasswordPrompt(QWidget* parent) {
  const std::string expected = ReadStartPassword();
  auto* prompt = new TfrmUserInput(parent);
  prompt->SetCaption("비밀번호 확인");
  prompt->SetLabelText("비밀번호");
  prompt->SetMaskChar('*');
  prompt->SetAllowEmpty(true);
  prompt->SetCompare(true, expected);
  prompt->SetMaxAttempts(3);
  return prompt;
}

bool PassStartPassword() {
  std::unique_ptr<TfrmUserInput> prompt;
  try {
    prompt.reset(CreateStartPasswordPrompt());
  } catch (const std::exception& error) {
    ErrorBox(error.what());  // a password setting that cannot be read lets nobody in
    return false;
  }
  return prompt->exec() == QDialog::Accepted;
}

bool OpenDataModule(TDModule& dataModule) {
  try {
    dataModule.OpenDatabase();
    return true;
  } catch (const std::exception& error) {
    ErrorBox(error.what());
    return false;
  }
}

int RunProgram(int argc, char** argv) {
  ReadOptions(argc, argv);
  PrepareWebEngine();
  TApplication app(argc, argv);

  // A second start ends here, before it touches the settings or shows anything.
  TSingleInstanceLock instance;
  if (!instance.Acquire(kProgramTitle)) return 0;

  TQtWaitMsg waitMsg;
  TWaitMsgInstalled installed(waitMsg);
  UseProgramFont(app);
  UseProgramIcon(app);
  if (!UseKoreanQtTexts(app))
    qWarning("selvane: Qt's Korean translation (qt6-translations-l10n) is not installed");
  try {
    InitializeUnits();
  } catch (const std::exception& error) {
    ErrorBox(error.what());
    return 1;
  }
  app.setApplicationName(QString::fromUtf8(kProgramTitle));

  if (!PassStartPassword()) return 0;

  TFrmMain main;
  if (main.UpgradeLaunched) return 0;  // the launcher replaces the program's files now
  TDModule dataModule;
  if (!OpenDataModule(dataModule)) return 1;

  // The main window's close ends the program, also while other windows are open.
  app.setQuitOnLastWindowClosed(false);
  QObject::connect(&main, &TFrmMain::Closed, &app, &QCoreApplication::quit);
  main.show();
  return app.exec();
}

}  // namespace selvane
