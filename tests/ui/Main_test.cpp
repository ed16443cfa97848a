#include "core/ui/Main.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <memory>
#include <stdexcept>

#include "UiTest.h"
#include "core/Date.h"
#include "support/ScriptedWaitMsg.h"
#include "transfer/HolidayCalendar.h"

namespace selvane {
namespace {

struct TMenuRow {
  const char* Title;
  std::vector<const char*> Items;
};

// The menus as the office knows them: titles and item texts, in order.
const std::vector<TMenuRow> kMenus = {
    {"업무", {"작업처리", "종료"}},
    {"통신", {"송.수신", "송신", "수신", "재수신", "농협이체상황조회"}},
    {"코드설정", {"동코드설정", "항목코드설정", "은행코드설정", "은행별에러코드"}},
    {"출력", {}},
    {"자료관리", {"자료백업", "자료복구", "자료초기화", "자료보내기"}},
    {"환경설정", {"기관코드설정", "통신환경설정"}},
    {"기타", {"이프로그램은....", "모든자료삭제", "사용자정보"}},
};

}  // namespace

class TestMain : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    messages_ = std::make_unique<test::TScriptedWaitMsg>();
    main_ = std::make_unique<TFrmMain>();
  }
  void cleanup() {
    main_.reset();
    messages_.reset();
  }

  void frameIsFixedAndCaptioned() {
    QCOMPARE(main_->windowTitle(), QString("보건노르바프로그램 V1.5.4.1"));
    QCOMPARE(main_->minimumSize(), main_->maximumSize());
    QVERIFY(!(main_->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(main_->windowFlags() & Qt::WindowMaximizeButtonHint));
  }

  void menusInOrder() {
    const QList<QAction*> top = main_->menuBar()->actions();
    QCOMPARE(top.size(), qsizetype(kMenus.size()));
    for (std::size_t i = 0; i < kMenus.size(); ++i) {
      QCOMPARE(top[i]->text(), QString(kMenus[i].Title));
      QStringList items;
      if (QMenu* menu = top[i]->menu())
        for (QAction* item : menu->actions()) items << item->text();
      QStringList expected;
      for (const char* item : kMenus[i].Items) expected << item;
      QCOMPARE(items, expected);
    }
  }

  void toolBarAndStatusBar() {
    QStringList buttons;
    for (QAction* action : main_->ToolBar->actions()) buttons << action->text();
    QCOMPARE(buttons, (QStringList{"자료처리", "코드설정", "은행등록", "통신환경", "종료"}));
    QStringList popup;
    for (QAction* action : main_->PopCodes->actions()) popup << action->text();
    QCOMPARE(popup, (QStringList{"기관코드설정", "동코드설정", "항목코드설정", "은행코드설정",
                                 "은행별에러설정"}));

    QCOMPARE(main_->StatusPanels[0]->text(), QString("코렉스텔레콤 노르바뱅킹 프로그램"));
    QCOMPARE(main_->StatusPanels[0]->width(), 200);
    QCOMPARE(main_->StatusPanels[1]->text(),
             QString("  기존자료는 반드시 기타에서 모든자료 삭제를 누르고 사용하세요"));
    QCOMPARE(main_->StatusPanels[1]->width(), 430);
    QCOMPARE(main_->StatusPanels[2]->text(), QString("장애처리: ") + kSupportTelephone);
  }

  // A button or pop-up item runs exactly the menu item it stands for, and is usable exactly
  // when that item is.
  void shortcutsTriggerTheirMenuItem_data() {
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("item");
    QTest::newRow("pop-up institutions") << "PopKigwan"
                                         << "MnuKigwan";
    QTest::newRow("pop-up dongs") << "PopDong"
                                  << "MnuDong";
    QTest::newRow("pop-up items") << "PopLargeItm"
                                  << "MnuLargeItm";
    QTest::newRow("pop-up banks") << "PopBankCode"
                                  << "MnuBankCode";
    QTest::newRow("pop-up result codes") << "PopBankResult"
                                         << "MnuBankResult";
    QTest::newRow("button process data") << "BtnTrans"
                                         << "MnuTrans";
    QTest::newRow("button bank registration") << "BtnBank"
                                              << "MnuBankCode";
    QTest::newRow("button communication") << "BtnEnv"
                                          << "MnuEnvSetup";
  }

  void shortcutsTriggerTheirMenuItem() {
    QFETCH(QString, shortcut);
    QFETCH(QString, item);
    QAction* from = main_->findChild<QAction*>(shortcut);
    QAction* target = main_->MenuAction(item);
    QVERIFY(from && target);
    target->setEnabled(false);
    QVERIFY(!from->isEnabled());
    target->setEnabled(true);
    QVERIFY(from->isEnabled());

    // Only which item runs matters here, not its window.
    QObject::disconnect(target, &QAction::triggered, main_.get(), nullptr);
    QStringList triggered;
    for (QAction* action : main_->findChildren<QAction*>())
      if (action->objectName().startsWith("Mnu"))
        connect(action, &QAction::triggered, this,
                [&triggered, action] { triggered << action->objectName(); });
    from->trigger();
    QCOMPARE(triggered, QStringList{item});
  }

  void exitAsksFirst() {
    main_->show();
    QSignalSpy closed(main_.get(), &TFrmMain::Closed);
    messages_->QueueAnswer(false);
    main_->findChild<QAction*>("BtnExit")->trigger();
    QVERIFY(main_->isVisible());
    QCOMPARE(closed.count(), 0);
    AssertOneQuestion();
    if (QTest::currentTestFailed()) return;

    const TDate newYear{2026, 1, 1};
    QVERIFY(IsHoliday(newYear));  // the window built the holiday lists
    messages_->Clear();
    messages_->QueueAnswer(true);
    main_->MenuAction("MnuExit")->trigger();
    QVERIFY(!main_->isVisible());
    QCOMPARE(closed.count(), 1);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, IsHoliday(newYear));  // and released them
    AssertOneQuestion();
    if (QTest::currentTestFailed()) return;
  }

  void sendDataDoesNothing() {
    QAction* sendData = main_->MenuAction("MnuSendData");
    QVERIFY(sendData->isEnabled());
    main_->show();
    sendData->trigger();
    QVERIFY(main_->isVisible());
    QVERIFY(messages_->Messages().empty());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

 private:
  void AssertOneQuestion() {
    QCOMPARE(messages_->Messages().size(), std::size_t(1));
    QCOMPARE(messages_->Messages()[0].Kind, std::string("confirm"));
    QCOMPARE(messages_->Messages()[0].Text, std::string("프로그램을 종료하시겠습니까?"));
    QCOMPARE(messages_->Messages()[0].Caption, std::string("보건노르바뱅킹프로그램종료"));
  }

  std::unique_ptr<test::TScriptedWaitMsg> messages_;
  std::unique_ptr<TFrmMain> main_;
};

SELVANE_UI_TEST(TestMain, "Main");

}  // namespace selvane

#include "Main_test.moc"
