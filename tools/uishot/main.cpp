// uishot [--home DIR] WINDOW FILE.png: shows one window of the program and saves what it
// paints. WINDOW is main, institution, password, wait or progress.
#include <QApplication>
#include <QDialog>
#include <QPixmap>
#include <QTimer>
#include <QWebEngineView>
#include <iostream>
#include <memory>
#include <string>

#include "core/Globals.h"
#include "core/Startup.h"
#include "core/WaitMsg.h"
#include "core/ui/Main.h"
#include "core/ui/Program.h"
#include "core/ui/UserInput.h"
#include "core/ui/WaitMsg.h"
#include "reference/ui/KiGwan.h"

using namespace selvane;

namespace {

// Lets the window lay itself out and paint before it is grabbed.
void Settle() {
  for (int i = 0; i < 20; ++i) {
    QCoreApplication::processEvents();
    QTimer wait;
    wait.setSingleShot(true);
    QEventLoop loop;
    QObject::connect(&wait, &QTimer::timeout, &loop, &QEventLoop::quit);
    wait.start(25);
    loop.exec();
  }
}

}  // namespace

int main(int argc, char** argv) {
  selvane::PrepareWebEngine();
  QApplication app(argc, argv);
  UseProgramFont(app);
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 2 && args[0] == "--home") {
    SetProgramHome(args[1]);
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() != 2) {
    std::cerr << "usage: uishot [--home DIR] main|institution|password|wait|progress FILE.png\n";
    return 2;
  }
  const std::string& window = args[0];
  const QString file = QString::fromStdString(args[1]);
  InitializeUnits();
  TQtWaitMsg waitMsg;
  InstallWaitMsg(&waitMsg);

  QPixmap picture;
  if (window == "main") {
    TFrmMain main;
    main.show();
    if (main.WebNotice != nullptr) {
      // The browser engine starts and loads the notice page; give it a while, not forever.
      QEventLoop loop;
      QObject::connect(main.WebNotice, &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
      QTimer::singleShot(30000, &loop, &QEventLoop::quit);
      loop.exec();
    }
    Settle();
    picture = main.grab();
  } else if (window == "institution") {
    TDModule dataModule;
    dataModule.OpenDatabase();
    TFrmKigwan form(dataModule);
    form.show();
    Settle();
    picture = form.grab();
  } else if (window == "password") {
    std::unique_ptr<TfrmUserInput> prompt(CreateStartPasswordPrompt());
    prompt->show();
    Settle();
    picture = prompt->grab();
  } else if (window == "wait" || window == "progress") {
    if (window == "wait") {
      ShowWait("자료를 열고 있습니다.");
    } else {
      ShowWaitProgress("이체자료를 만들고 있습니다.", 0, 8, false);
      for (int i = 0; i < 3; ++i) StepWaitProgress();
    }
    Settle();
    picture = waitMsg.WaitWindow()->grab();
  } else {
    std::cerr << "uishot: unknown window " << window << '\n';
    return 2;
  }
  InstallWaitMsg(nullptr);
  if (!picture.save(file, "PNG")) {
    std::cerr << "uishot: cannot write " << args[1] << '\n';
    return 1;
  }
  std::cout << args[1] << '\n';
  return 0;
}
