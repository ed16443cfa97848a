#include "core/ui/NhStatus.h"

#include <QAction>
#include <QApplication>
#include <QPointer>

#include "LocalHttpServer.h"
#include "MainFixture.h"
#include "UiTest.h"
#include "core/ui/Main.h"

namespace selvane {
namespace {

const char* const kUserInfo =
    "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]\n";

QList<TFrmNhStatus*> OpenStatusWindows() {
  QList<TFrmNhStatus*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<TFrmNhStatus*>(widget)) windows << window;
  return windows;
}

}  // namespace

class TestNhStatus : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    program_ = std::make_unique<test::TMainProgram>();
    main_ = std::make_unique<TFrmMain>();
  }
  void cleanup() {
    for (TFrmNhStatus* window : OpenStatusWindows()) delete window;
    main_.reset();
    program_.reset();
  }

  void onlyForNongHyupOffices() {
    program_->AddInstitution(1, "03");
    program_->sandbox_.WriteRegistry(std::string(kUserInfo) + "\"LoginID\"=\"OFFICE01\"\n");
    main_->MenuAction("MnuNhStatus")->trigger();
    QCOMPARE(program_->messages_.Texts(),
             std::vector<std::string>{"농협과 거래하는 업체만 사용 가능합니다"});
    QVERIFY(OpenStatusWindows().isEmpty());
  }

  void withoutUserIdTheWindowClosesItself() {
    program_->AddInstitution(1, "12");
    program_->sandbox_.WriteRegistry(std::string(kUserInfo) + "\"LoginID\"=\"\"\n");
    main_->MenuAction("MnuNhStatus")->trigger();
    QCOMPARE(program_->messages_.Texts(),
             std::vector<std::string>{"통신환경 설정에 상용자 ID가 등록되지 않았습니다."});
    QTRY_VERIFY(OpenStatusWindows().isEmpty());
  }

  // The status server receives the office's user ID and the fixed key as a form; several
  // windows may be open, and each goes away for good when closed.
  void postsTheUserToTheStatusServer() {
    test::TLocalHttpServer server;
    server.Reply(200, "OK", "<html><body>이체상황</body></html>");
    program_->SetServer("StatusHost", server.Authority().toStdString());
    program_->AddInstitution(1, "11");
    program_->sandbox_.WriteRegistry(std::string(kUserInfo) + "\"LoginID\"=\"OFFICE01\"\n");
    main_->show();
    main_->MenuAction("MnuNhStatus")->trigger();
    main_->MenuAction("MnuNhStatus")->trigger();
    QList<TFrmNhStatus*> windows = OpenStatusWindows();
    QCOMPARE(windows.size(), qsizetype(2));
    QVERIFY(!windows[0]->isModal());
    QCOMPARE(windows[0]->windowTitle(), QString("농협 이체상황 조회"));
    // Once a page has loaded, the browser may also ask for its icon: only the posts count.
    const auto posts = [&server] {
      QList<test::TReceivedRequest> found;
      for (const test::TReceivedRequest& request : server.Requests())
        if (request.Head.startsWith("POST ")) found << request;
      return found;
    };
    QTRY_VERIFY_WITH_TIMEOUT(posts().size() >= 2, 20000);
    QCOMPARE(posts().size(), qsizetype(2));
    for (const test::TReceivedRequest& request : posts()) {
      QVERIFY2(request.Head.startsWith("POST /NHB/nhb_iche.jsp HTTP/1.1\r\n"), request.Head);
      QCOMPARE(request.Header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
      QCOMPARE(request.Body, QByteArray("USER_ID=OFFICE01&SEC_KEY=5820473916\0", 36));
    }
    QVERIFY(program_->messages_.Messages().empty());

    QPointer<TFrmNhStatus> first = windows[0];
    first->close();
    QTRY_VERIFY(first.isNull());
    QCOMPARE(OpenStatusWindows().size(), qsizetype(1));
  }

 private:
  std::unique_ptr<test::TMainProgram> program_;
  std::unique_ptr<TFrmMain> main_;
};

SELVANE_UI_TEST(TestNhStatus, "NhStatus");

}  // namespace selvane

#include "NhStatus_test.moc"
