// The send window of an institution whose format carries only its own bank's recipients: the
// others are named by their number in a warning when the window builds the request file.
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <memory>

#include "ModalDriver.h"
#include "UiTest.h"
#include "core/Globals.h"
#include "edi/Exchange.h"
#include "edi/ui/NorVaEdi.h"
#include "support/ScriptedWaitMsg.h"
#include "support/TransferFolder.h"

namespace selvane {

class TestSendOwnBankWarning : public QObject {
  Q_OBJECT

 private slots:
  void recipientsOfOtherBanksAreCountedInAWarning() {
    QFile::remove(QString::fromLocal8Bit(qgetenv("NORVA_REGISTRY")));
    test::TTransferFolder folder;
    folder.AddInstitution({.Name = "기업구청", .BankId = "03"});
    folder.AddOrder({});
    folder.AddRecipient({.BankId = "03", .BankNo = "111"});
    folder.AddRecipient({.BankId = "11", .BankNo = "222"});
    folder.AddRecipient({.BankId = "04", .BankNo = "333"});
    test::TScriptedWaitMsg msg;
    TestMode = false;

    TFrmNorvaEdi window(folder.Dm);
    window.Mode = emSend;
    test::ExecDriven(window, [&](QDialog&) {
      QTRY_VERIFY(window.Activated() && window.btnSend->isEnabled());
      QCOMPARE(window.Grid->item(1, 2)->text(), QStringLiteral("1"));
      QTest::mouseClick(window.btnStop, Qt::LeftButton);
    });
    QCOMPARE(msg.Messages().size(), std::size_t(1));
    QCOMPARE(msg.Messages()[0].Kind, std::string("warning"));
    QCOMPARE(msg.Messages()[0].Text,
             std::string("기업구청: 기업은행 계좌가 아닌 수급자 2명은 보내지 않았습니다."));
    QCOMPARE(folder.Column("TBTransSub", "State"), (std::vector<std::string>{"1", "1", "1"}));
  }
};

}  // namespace selvane

using selvane::TestSendOwnBankWarning;
SELVANE_UI_TEST(TestSendOwnBankWarning, "SendOwnBankWarning");
#include "SendOwnBankWarning_test.moc"
