// uishot [--home DIR] WINDOW FILE.png: shows one window of the program and saves what it
// paints. WINDOW is main, institution, password, wait, progress, recipients or send-receive
// (the send/receive window after a receive in test mode, on the files of the receive folder),
// user (the password window), about, or upgrade (the upgrade settings, weekly on Wednesday).
#include <QApplication>
#include <QDialog>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <iostream>
#include <memory>
#include <string>

#include "core/DM.h"
#include "core/Globals.h"
#include "core/ProgramFolderSetup.h"
#include "core/Startup.h"
#include "core/WaitMsg.h"
#include "core/ui/Main.h"
#include "core/ui/Program.h"
#include "core/ui/UserInput.h"
#include "core/ui/WaitMsg.h"
#include "edi/Exchange.h"
#include "edi/ui/NorVaEdi.h"
#include "reference/UpgradeSettings.h"
#include "reference/ui/About.h"
#include "reference/ui/KiGwan.h"
#include "reference/ui/UpGradeSet.h"
#include "reference/ui/UserInfo.h"
#include "transfer/OrderEditing.h"
#include "transfer/OrderRecipients.h"
#include "transfer/ui/TransSub.h"

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

// A recipient list of a made-up order in a throw-away program folder.
QPixmap RecipientListPicture() {
  QTemporaryDir folder;
  std::string home = folder.path().toStdString() + "/";
  PrepareProgramFolder(home);
  SetProgramHome(home);
  LoadWorkingFolders();
  TDModule dm;
  dm.OpenDatabase();
  auto insert = [](TTable& table, const std::vector<const char*>& fields,
                   const std::vector<TValue>& values) {
    table.Append();
    for (std::size_t i = 0; i < fields.size(); ++i) table.FieldByName(fields[i]).Set(values[i]);
    table.Post();
  };
  insert(dm.TB_Kigwan, {"KigwanID", "KiGwanName", "BankID"}, {1, "강남구청", "11"});
  insert(dm.TB_Manager, {"DongID", "DongNm"}, {"0101", "역삼1동"});
  insert(dm.TB_LargeItm, {"LargeItmId", "LargeItmNm"}, {"01", "기초생활수급"});
  insert(dm.TB_Trans, {"KigwanId", "DongID", "LargeItmID", "BankID", "State"},
         {1, "0101", "01", "11", 1});
  struct TPerson {
    const char* Bank;
    const char* Account;
    const char* Jumin;
    const char* Name;
    int Won;
    int State;
  } people[] = {
      {"11", "123-45-678901", "500101-1234567", "김영희", 452000, 1},
      {"04", "123456-01-234567", "620315-2345678", "이철수", 380000, 1},
      {"20", "1002-345-678901", "480722-1456789", "박순자", 512500, 1},
      {"88", "110-234-567890", "710908-2567890", "최민수", 298000, -1},
      {"12", "301-0123-4567-81", "550430-1678901", "정옥순", 420000, 1},
      {"03", "012-345678-01-012", "680212-2789012", "강대호", 365000, 1},
      {"81", "123-456789-01234", "450617-1890123", "윤말순", 610000, 1},
  };
  for (const TPerson& p : people)
    insert(
        dm.TB_TransSub,
        {"KigwanId", "DongId", "LargeitmId", "BankId", "BankNo", "Jumin", "Name", "Monecy", "State",
         "JaGubun"},
        {1, "0101", "01", p.Bank, p.Account, p.Jumin, p.Name, TMoney::FromWon(p.Won), p.State, 1});
  dm.CommitAllTables();
  dm.TB_Trans.First();
  RecalcOrderTotals(dm);
  OpenOrderRecipients(dm, "역삼1동", "기초생활수급");
  QPixmap picture;
  {
    TFrmTransSub form(dm);
    form.show();
    Settle();
    picture = form.grab();
  }
  dm.CloseDatabase();
  return picture;
}

// Answers Yes to every question, so that a window that asks can be shown unattended.
class TYesWaitMsg : public TQtWaitMsg {
 public:
  bool ConfirmBox(const std::string&, bool) override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
  selvane::PrepareWebEngine();
  QApplication app(argc, argv);
  UseProgramFont(app);
  UseProgramIcon(app);
  UseKoreanQtTexts(app);
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 2 && args[0] == "--home") {
    SetProgramHome(args[1]);
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() != 2) {
    std::cerr << "usage: uishot [--home DIR] "
                 "main|institution|password|wait|progress|recipients|send-receive|user|about|"
                 "upgrade "
                 "FILE.png\n";
    return 2;
  }
  const std::string& window = args[0];
  const QString file = QString::fromStdString(args[1]);
  InitializeUnits();
  TYesWaitMsg waitMsg;
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
  } else if (window == "send-receive") {
    TDModule dataModule;
    dataModule.OpenDatabase();
    TestMode = true;
    TFrmNorvaEdi form(dataModule);
    form.Mode = emReceive;
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
  } else if (window == "recipients") {
    picture = RecipientListPicture();
  } else if (window == "user" || window == "about" || window == "upgrade") {
    UpgradeSettings = {"WEEK", "4", ""};
    std::unique_ptr<QDialog> form;
    if (window == "user") form = std::make_unique<TFrmUser>();
    if (window == "about") form = std::make_unique<TAboutBox>();
    if (window == "upgrade") form = std::make_unique<TfrmUpGradeSet>();
    form->show();
    Settle();
    picture = form->grab();
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
