#include "core/ui/Main.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "core/DM.h"
#include "core/DeleteAllData.h"
#include "core/Globals.h"
#include "core/PreSendCheck.h"
#include "core/Registry.h"
#include "core/TextRoutines.h"
#include "core/WaitMsg.h"
#include "core/WebServers.h"
#include "core/ui/NhStatus.h"
#include "core/ui/Program.h"
#include "edi/EdiLibrary.h"
#include "edi/ui/ExchangeCommands.h"
#include "reference/AutoUpgrade.h"
#include "reference/ui/CodeTableCommands.h"
#include "reference/ui/OtherCommands.h"
#include "reference/ui/UpGradeSet.h"
#include "transfer/HolidayCalendar.h"
#include "transfer/ui/DataCommands.h"
#include "transfer/ui/PrintCommand.h"
#include "transfer/ui/Trans.h"

namespace selvane {
namespace {

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

}  // namespace

TFrmMain::TFrmMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("FrmMain");
  // Single border with the system menu only: no minimise or maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(800, 600);

  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  WireCodeTableCommands(*this);
  WireExchangeCommands(*this);
  WirePrintCommand(*this);
  WireDataCommands(*this);
  WireOtherCommands(*this);

  auto* background = new QWidget(this);
  background->setObjectName("Background");
  background->setStyleSheet(QStringLiteral(
      "#Background { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f8fc, "
      "stop:1 #c9dcef); }"));
  auto* title = new QLabel(Text("보건 노르바뱅킹"), background);
  title->setStyleSheet(QStringLiteral("font-size: 30pt; font-weight: bold; color: #1d4f7c;"));
  auto* subtitle = new QLabel(Text("복지급여 계좌입금 프로그램"), background);
  subtitle->setStyleSheet(QStringLiteral("font-size: 14pt; color: #3a6a94;"));
  auto* layout = new QVBoxLayout(background);
  layout->addStretch(2);
  layout->addWidget(title, 0, Qt::AlignHCenter);
  layout->addWidget(subtitle, 0, Qt::AlignHCenter);
  layout->addStretch(3);

  auto* client = new QWidget(this);
  auto* row = new QHBoxLayout(client);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(background, 1);
  PnlNotice = new QWidget(client);
  PnlNotice->setObjectName("PnlNotice");
  PnlNotice->setFixedWidth(222);
  PnlNotice->hide();
  (new QVBoxLayout(PnlNotice))->setContentsMargins(0, 0, 0, 0);
  row->addWidget(PnlNotice);
  setCentralWidget(client);

  FormCreate();
  WireCommands();

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

QAction* TFrmMain::AddItem(QMenu* menu, const char* objectName, const char* text, bool enabled) {
  QAction* action = menu->addAction(Text(text));
  action->setObjectName(objectName);
  action->setEnabled(enabled);
  return action;
}

void TFrmMain::CreateMenus() {
  // Items whose windows are not part of the program yet stay disabled until they are wired.
  QMenuBar* bar = menuBar();
  QMenu* work = bar->addMenu(Text("업무"));
  work->setObjectName("MnuWork");
  QAction* trans = AddItem(work, "MnuTrans", "작업처리", true);
  connect(trans, &QAction::triggered, this, [this] {
    if (DModule != nullptr) ShowTransferOrders(*DModule, this);
  });
  QAction* exit = AddItem(work, "MnuExit", "종료", true);
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* comm = bar->addMenu(Text("통신"));
  comm->setObjectName("MnuComm");
  AddItem(comm, "MnuSendRecv", "송.수신", false);
  AddItem(comm, "MnuSend", "송신", false);
  AddItem(comm, "MnuRecv", "수신", false);
  AddItem(comm, "MnuReRecv", "재수신", false);
  AddItem(comm, "MnuNhStatus", "농협이체상황조회", false);

  QMenu* codes = bar->addMenu(Text("코드설정"));
  codes->setObjectName("MnuCodes");
  AddItem(codes, "MnuDong", "동코드설정", false);
  AddItem(codes, "MnuLargeItm", "항목코드설정", false);
  AddItem(codes, "MnuBankCode", "은행코드설정", false);
  AddItem(codes, "MnuBankResult", "은행별에러코드", false);

  // A menu without items: choosing it is the command.
  QAction* print = bar->addAction(Text("출력"));
  print->setObjectName("MnuPrint");
  print->setEnabled(false);

  QMenu* data = bar->addMenu(Text("자료관리"));
  data->setObjectName("MnuData");
  AddItem(data, "MnuBackup", "자료백업", false);
  AddItem(data, "MnuRestore", "자료복구", false);
  AddItem(data, "MnuReset", "자료초기화", false);
  AddItem(data, "MnuSendData", "자료보내기", true);  // does nothing

  QMenu* settings = bar->addMenu(Text("환경설정"));
  settings->setObjectName("MnuSettings");
  AddItem(settings, "MnuKigwan", "기관코드설정", false);
  AddItem(settings, "MnuEnvSetup", "통신환경설정", false);

  QMenu* other = bar->addMenu(Text("기타"));
  other->setObjectName("MnuOther");
  AddItem(other, "MnuAbout", "이프로그램은....", false);
  AddItem(other, "MnuDeleteAll", "모든자료삭제", false);
  AddItem(other, "MnuUser", "사용자정보", false);
}

QAction* TFrmMain::MenuAction(const QString& objectName) const {
  return findChild<QAction*>(objectName);
}

QAction* TFrmMain::Forward(QAction* target, const char* objectName, const QString& text) {
  auto* action = new QAction(text, this);
  action->setObjectName(objectName);
  action->setEnabled(target->isEnabled());
  connect(action, &QAction::triggered, target, &QAction::trigger);
  connect(target, &QAction::enabledChanged, action, &QAction::setEnabled);
  return action;
}

void TFrmMain::CreateToolBar() {
  ToolBar = addToolBar(Text("도구"));
  ToolBar->setObjectName("ToolBar");
  ToolBar->setMovable(false);
  ToolBar->setFloatable(false);
  ToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  ToolBar->setIconSize(QSize(32, 32));
  ToolBar->setContextMenuPolicy(Qt::PreventContextMenu);

  PopCodes = new QMenu(this);
  PopCodes->setObjectName("PopCodes");
  struct TPopItem {
    const char* Name;
    const char* Text;
    const char* Target;
  };
  const TPopItem popItems[] = {
      {"PopKigwan", "기관코드설정", "MnuKigwan"},
      {"PopDong", "동코드설정", "MnuDong"},
      {"PopLargeItm", "항목코드설정", "MnuLargeItm"},
      {"PopBankCode", "은행코드설정", "MnuBankCode"},
      {"PopBankResult", "은행별에러설정", "MnuBankResult"},
  };
  for (const auto& item : popItems)
    PopCodes->addAction(Forward(MenuAction(item.Target), item.Name, Text(item.Text)));

  auto addButton = [this](QAction* action, QStyle::StandardPixmap icon) {
    action->setIcon(style()->standardIcon(icon));
    ToolBar->addAction(action);
    ToolBar->widgetForAction(action)->setObjectName(action->objectName());
  };
  addButton(Forward(MenuAction("MnuTrans"), "BtnTrans", Text("자료처리")),
            QStyle::SP_FileDialogDetailedView);
  auto* codes = new QAction(Text("코드설정"), this);
  codes->setObjectName("BtnCodes");
  connect(codes, &QAction::triggered, this, &TFrmMain::BtnCodesClick);
  addButton(codes, QStyle::SP_FileDialogListView);
  addButton(Forward(MenuAction("MnuBankCode"), "BtnBank", Text("은행등록")),
            QStyle::SP_DirHomeIcon);
  addButton(Forward(MenuAction("MnuEnvSetup"), "BtnEnv", Text("통신환경")),
            QStyle::SP_ComputerIcon);
  addButton(Forward(MenuAction("MnuExit"), "BtnExit", Text("종료")), QStyle::SP_DialogCloseButton);
}

void TFrmMain::BtnCodesClick() {
  // Left edge at the button's right edge, top 80 pixels below the button's top, both from the
  // window's own position.
  QWidget* button = ToolBar->widgetForAction(findChild<QAction*>("BtnCodes"));
  QPoint at = pos() + QPoint(button->x() + button->width(), button->y() + 80);
  PopCodes->popup(at);
}

void TFrmMain::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setSizeGripEnabled(false);
  const char* texts[3] = {"코렉스텔레콤 노르바뱅킹 프로그램",
                          "  기존자료는 반드시 기타에서 모든자료 삭제를 누르고 사용하세요",
                          "장애처리: "};
  const int widths[3] = {200, 430, 100};
  for (int i = 0; i < 3; ++i) {
    QString text = Text(texts[i]);
    if (i == 2) text += Text(kSupportTelephone);
    StatusPanels[i] = new QLabel(text, bar);
    StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
    StatusPanels[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    StatusPanels[i]->setMinimumWidth(widths[i]);
    if (i < 2) StatusPanels[i]->setFixedWidth(widths[i]);
    if (i == 0) StatusPanels[i]->setAlignment(Qt::AlignCenter);
    bar->addWidget(StatusPanels[i], i == 2 ? 1 : 0);
  }
}

bool TFrmMain::FormCloseQuery() {
  return YesNoBox("프로그램을 종료하시겠습니까?", "보건노르바뱅킹프로그램종료", false);
}

void TFrmMain::FormCreate() {
  setWindowTitle(Text(kProgramTitle));
  InitHolidayLists();  // the order windows check their dates against them
  ComType = ReadComType();
  if (ComType == 0) {
    QAction* upgrade =
        AddItem(findChild<QMenu*>("MnuSettings"), "MnuUpgrade", "자동업그레이드설정", true);
    upgrade->setData(100);
    connect(upgrade, &QAction::triggered, this, [this] {
      if (RunUpgradeSettings(this)) EndForUpgrade();
    });
    // The data module does not exist yet: a launched upgrade ends the program before it opens
    // the database.
    UpgradeLaunched = RunUpgrade(false);
  }
}

void TFrmMain::EndForUpgrade() {
  UpgradeLaunched = true;
  hide();
  FormClose();
}

void TFrmMain::WireCommands() {
  connect(MenuAction("MnuSendRecv"), &QAction::triggered, this, [this] { SendClick(3); });
  connect(MenuAction("MnuSend"), &QAction::triggered, this, [this] { SendClick(1); });
  connect(MenuAction("MnuRecv"), &QAction::triggered, this, [this] { RecvClick(2); });
  connect(MenuAction("MnuReRecv"), &QAction::triggered, this, [this] { RecvClick(4); });

  QAction* status = MenuAction("MnuNhStatus");
  status->setEnabled(true);
  connect(status, &QAction::triggered, this, [] { ShowNhStatus(); });

  QAction* deleteAll = MenuAction("MnuDeleteAll");
  deleteAll->setEnabled(true);
  connect(deleteAll, &QAction::triggered, this, [] { DeleteAllTransferData(*DModule); });
}

void TFrmMain::SetNorvaEdiOpener(std::function<void(int mode)> opener) {
  openNorvaEdi_ = std::move(opener);
  for (const char* name : {"MnuSendRecv", "MnuSend", "MnuRecv", "MnuReRecv"})
    MenuAction(name)->setEnabled(bool(openNorvaEdi_));
}

void TFrmMain::SendClick(int mode) {
  if (!openNorvaEdi_ || !PreSendChecks(*DModule)) return;
  openNorvaEdi_(mode);
}

void TFrmMain::RecvClick(int mode) {
  if (openNorvaEdi_) openNorvaEdi_(mode);
}

void TFrmMain::FormActivate() {
  const std::vector<std::string>& arguments = ProgramArguments();
  if (!arguments.empty()) TestMode = SameText(arguments[0], "TEST");
}

void TFrmMain::FormShow() {
  // The EDI component tells this program's kind by AppTypeCode; an existing value is the
  // user's, and a missing key is left missing. Failures here are of no concern to the user.
  TRegistry registry;
  if (registry.OpenKey("Software\\Selvane.exe\\NETPOST32\\USERINFO", false) &&
      !registry.ValueExists("AppTypeCode"))
    registry.WriteString("AppTypeCode", "KVT");
  registry.CloseKey();
  ShowNotice();
}

void TFrmMain::ShowNotice() {
  // The panel appears only once the notice server answers; any failure leaves it hidden.
  PnlNotice->hide();
  std::string url;
  try {
    url = NoticeUrl();
  } catch (...) {
    return;
  }
  if (url.empty()) return;  // turned off in the settings
  if (WebNotice == nullptr) {
    WebNotice = new QWebEngineView(PnlNotice);
    WebNotice->setObjectName("WebNotice");
    WebNotice->setContextMenuPolicy(Qt::NoContextMenu);
    PnlNotice->layout()->addWidget(WebNotice);
    connect(WebNotice, &QWebEngineView::loadStarted, PnlNotice, &QWidget::show);
    connect(WebNotice, &QWebEngineView::loadFinished, this, &TFrmMain::NoticeLoadFinished);
  }
  WebNotice->load(QUrl(QString::fromStdString(url)));
}

void TFrmMain::NoticeLoadFinished(bool ok) {
  // A failed load shows the browser's own error page; a server's "404" page names itself in its
  // address or title. Neither is a notice.
  if (!ok || WebNotice->url().toString().contains("404") || WebNotice->title().contains("404")) {
    PnlNotice->hide();
    return;
  }
  // The panel is narrow: the page must not scroll. A load without a document is no notice.
  QPointer<QWidget> panel = PnlNotice;
  WebNotice->page()->runJavaScript(
      QStringLiteral("(function () { if (!document.body) return false;"
                     " document.body.style.overflowX = 'hidden';"
                     " document.body.style.overflowY = 'hidden'; return true; })()"),
      [panel](const QVariant& hasBody) {
        if (panel && !hasBody.toBool()) panel->hide();
      });
}

void TFrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

bool TFrmMain::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QMainWindow::event(event);
}

void TFrmMain::FormClose() {
  FreeHolidayLists();
  emit Closed();
}

void TFrmMain::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  FormClose();
}

}  // namespace selvane
