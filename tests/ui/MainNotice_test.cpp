#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "LocalHttpServer.h"
#include "MainFixture.h"
#include "UiTest.h"
#include "core/ui/Main.h"

namespace selvane {

// The notice panel against a notice server on 127.0.0.1: shown for a real page (which then
// cannot scroll), hidden for a "404" page and when nothing answers.
class TestMainNotice : public QObject {
  Q_OBJECT

 private slots:
  void panelFollowsTheServer_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<bool>("shown");
    QTest::newRow("notice page")
        << 200
        << QByteArray("<html><head><title>공지</title></head><body><p>공지사항</p></body></html>")
        << true << true;
    QTest::newRow("404 page")
        << 404
        << QByteArray("<html><head><title>404 Not Found</title></head><body>404</body></html>")
        << true << false;
    QTest::newRow("nobody listening") << 200 << QByteArray() << false << false;
  }
  void panelFollowsTheServer() {
    QFETCH(int, status);
    QFETCH(QByteArray, page);
    QFETCH(bool, listening);
    QFETCH(bool, shown);
    test::TMainProgram program;
    auto server = std::make_unique<test::TLocalHttpServer>();
    server->Reply(status, status == 200 ? "OK" : "Not Found", page);
    program.SetServer("NoticeHost", server->Authority().toStdString());
    if (!listening) server.reset();  // its port now refuses connections

    TFrmMain main;
    QVERIFY(!main.PnlNotice->isVisibleTo(&main));
    main.show();
    QVERIFY(main.WebNotice != nullptr);
    QCOMPARE(main.PnlNotice->width(), 222);
    QSignalSpy finished(main.WebNotice, &QWebEngineView::loadFinished);
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, 20000);
    if (server) {
      QVERIFY(!server->Requests().isEmpty());  // the page (the browser may ask for an icon too)
      QVERIFY(
          server->Requests()[0].Head.startsWith("GET /popup/package/dbnorva/dbnorva.htm HTTP/1.1"));
    }
    if (!shown) {
      QTRY_VERIFY(!main.PnlNotice->isVisible());
      return;
    }
    QString overflow;
    QTRY_COMPARE_WITH_TIMEOUT(Evaluate(main.WebNotice,
                                       "getComputedStyle(document.body).overflowX + ' ' + "
                                       "getComputedStyle(document.body).overflowY"),
                              QString("hidden hidden"), 20000);
    QVERIFY(main.PnlNotice->isVisible());
  }

 private:
  // The value of a script in the page, waiting for the page's answer.
  static QString Evaluate(QWebEngineView* view, const QString& script) {
    QString result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& value) {
      result = value.toString();
      done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 5000)) return QString("(no answer)");
    return result;
  }
};

SELVANE_UI_TEST(TestMainNotice, "MainNotice");

}  // namespace selvane

#include "MainNotice_test.moc"
