#include <QAction>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <memory>

#include "ModalDriver.h"
#include "UiTest.h"
#include "core/DM.h"
#include "core/ui/Main.h"
#include "core/ui/TableGridView.h"
#include "reference/ui/BankCode.h"
#include "reference/ui/BankResult.h"
#include "reference/ui/DongSetting.h"
#include "reference/ui/KiGwan.h"
#include "reference/ui/LargeItem.h"
#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"

namespace selvane {
namespace {

const char* kInputError = "입력오류";

// The field editor of a column as the type the test expects. A missing one fails the test and a
// stand-in takes the typing, so that the run goes on instead of crashing.
template <class T>
T* Field(TCodeTableForm& form, const std::string& column) {
  if (auto* editor = qobject_cast<T*>(form.FieldEditor(column))) return editor;
  QTest::qFail(qPrintable(QString::fromStdString("no such field: " + column)), __FILE__, __LINE__);
  return new T(&form);
}

QLineEdit* Edit(TCodeTableForm& form, const char* column) {
  return Field<QLineEdit>(form, column);
}

void ClickRow(QTableView& grid, int row) {
  QRect cell = grid.visualRect(grid.model()->index(row, 1));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

// Shows the window and makes it the active one, so that focus moves as for a user.
void Activate(QWidget& window) {
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class TestCodeTables : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<test::TTempFolder>();
    file_ = folder_->Path() + "norva.db";
    TDatabase::Create(file_, true);  // the seeded banks, no institution
    dm_ = std::make_unique<TDModule>();
    dm_->OpenDatabase(file_);
    msg_ = std::make_unique<test::TScriptedWaitMsg>();
  }
  void cleanup() {
    msg_.reset();
    dm_.reset();
    folder_.reset();
  }

  void emptyTableOpensWithEditAndDeleteDisabled() {
    TFrmKigwan form(*dm_);
    Activate(form);
    QVERIFY(form.BtnInsert->isEnabled());
    QVERIFY(!form.BtnEdit->isEnabled());
    QVERIFY(!form.BtnDelete->isEnabled());
    QVERIFY(!form.BtnSave->isEnabled());
    QVERIFY(!form.BtnCancel->isEnabled());
    QVERIFY(!form.PanelFields->isEnabled());
    QCOMPARE(form.windowTitle(), QStringLiteral("이용자코드"));
    // A disabled button does nothing, even when its handler is called.
    form.BtnInsertClick(form.BtnEdit);
    QVERIFY(!form.BtnSave->isEnabled());
  }

  void newInstitutionNumbersReuseTheDeletedHighest() {
    TFrmKigwan form(*dm_);
    Activate(form);
    for (const char* name : {"복지과", "주민과"}) {
      InsertInstitution(form, name);
      QVERIFY(msg_->Messages().empty());
    }
    QCOMPARE(StoredInstitutions(), QStringList({"1 복지과", "2 주민과"}));
    QVERIFY(form.BtnEdit->isEnabled());

    msg_->QueueAnswer(true);
    QTest::mouseClick(form.BtnDelete, Qt::LeftButton);  // the saved row is the current one
    QCOMPARE(msg_->Texts(), std::vector<std::string>{"삭제하시겠습니까?"});
    QCOMPARE(StoredInstitutions(), QStringList({"1 복지과"}));
    InsertInstitution(form, "세무과");
    QCOMPARE(StoredInstitutions(), QStringList({"1 복지과", "2 세무과"}));

    // Deleting every row disables edit and delete again; No keeps the row.
    msg_->QueueAnswer(false);
    QTest::mouseClick(form.BtnDelete, Qt::LeftButton);
    QCOMPARE(StoredInstitutions().size(), 2);
    msg_->QueueAnswer(true);
    QTest::mouseClick(form.BtnDelete, Qt::LeftButton);
    msg_->QueueAnswer(true);
    QTest::mouseClick(form.BtnDelete, Qt::LeftButton);
    QCOMPARE(StoredInstitutions(), QStringList());
    QVERIFY(!form.BtnEdit->isEnabled());
    QVERIFY(!form.BtnDelete->isEnabled());
    InsertInstitution(form, "복지과");
    QCOMPARE(StoredInstitutions(), QStringList({"1 복지과"}));
  }

  // The refusals are the logic's (KigwanRules_test); a text field and a list show that the
  // window keeps the row in editing, shows the message and focuses the field.
  void refusedInstitutionStaysInEditing_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("send name leaving the folder")
        << "SendName"
        << "../AB" << QStringLiteral("송신파일명은 영문자, 숫자, '-', '_'로만 입력하여 주세요");
    QTest::newRow("bank 88") << "BankID"
                             << "88"
                             << QStringLiteral(
                                    "모계좌를 입력시 (구)조흥은행 또는 (구)신한은행을 입력해 "
                                    "주십시오!    ");
  }
  void refusedInstitutionStaysInEditing() {
    QFETCH(QString, column);
    QFETCH(QString, value);
    QFETCH(QString, message);
    TFrmKigwan form(*dm_);
    Activate(form);
    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    TypeInstitution(form, "복지과");
    QWidget* field = form.FieldEditor(column.toStdString());
    QVERIFY(field != nullptr);
    if (auto* combo = qobject_cast<QComboBox*>(field))
      combo->setCurrentIndex(combo->findData(value));
    else
      Field<QLineEdit>(form, column.toStdString())->setText(value);
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(msg_->Messages().size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(msg_->Messages()[0].Text), message);
    QCOMPARE(QApplication::focusWidget(), field);
    QVERIFY(form.BtnSave->isEnabled());
    QVERIFY(form.PanelFields->isEnabled());
    QCOMPARE(StoredInstitutions(), QStringList());
  }

  void accountIsHyphenatedOrKeptAsConfirmed() {
    TFrmKigwan form(*dm_);
    Activate(form);
    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    TypeInstitution(form, "복지과");
    Edit(form, "BankNo")->setText("12345678901");
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QVERIFY(msg_->Messages().empty());
    QCOMPARE(Edit(form, "BankNo")->text(), QStringLiteral("123-45-678901"));

    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    TypeInstitution(form, "주민과");
    Edit(form, "BankNo")->setText("12-345-67890");
    msg_->QueueAnswer(false);
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QVERIFY(form.BtnSave->isEnabled());
    QCOMPARE(QApplication::focusWidget(), form.FieldEditor("BankNo"));
    msg_->QueueAnswer(true);
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(msg_->Texts(),
             std::vector<std::string>(2, "계좌가 적절하지 않습니다.\r\r 계속하시겠습니까?"));
    QCOMPARE(StoredColumn("SELECT BankNo FROM KiGwan ORDER BY KigwanID"),
             QStringList({"123-45-678901", "12-345-67890"}));
  }

  void codeFieldsTakeUpperCaseAndTheirLimit() {
    TFrmKigwan form(*dm_);
    Activate(form);
    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    QLineEdit* send = Edit(form, "SendName");
    send->setFocus();
    QTest::keyClicks(send, "ab-c9xyz");
    QCOMPARE(send->text(), QStringLiteral("AB-C9"));
    QLineEdit* bcode = Edit(form, "BCode");
    QTest::keyClicks(bcode, "kb12345678");
    QCOMPARE(bcode->text(), QStringLiteral("KB12345"));
    QLineEdit* corCode = Edit(form, "CorCode");
    QTest::keyClicks(corCode, "x");
    QInputMethodEvent hangul;
    hangul.setCommitString(QStringLiteral("가"));
    QApplication::sendEvent(corCode, &hangul);
    QCOMPARE(corCode->text(), QStringLiteral("X가"));
    // The name takes no more than its column's 20 CP949 bytes.
    QLineEdit* name = Edit(form, "KiGwanName");
    name->setFocus();
    for (int i = 0; i < 12; ++i) {
      QInputMethodEvent syllable;
      syllable.setCommitString(QStringLiteral("복"));
      QApplication::sendEvent(name, &syllable);
    }
    QCOMPARE(name->text(), QString(10, QChar(u'복')));
  }

  void closingDiscardsAHalfTypedRow() {
    {
      TFrmKigwan form(*dm_);
      Activate(form);
      QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
      TypeInstitution(form, "복지과");
      QTest::mouseClick(form.BtnExit, Qt::LeftButton);
      QVERIFY(!form.isVisible());
    }
    QVERIFY(dm_->TB_Kigwan.State() == TDataSetState::Browse);
    dm_->CommitAllTables();
    QCOMPARE(StoredInstitutions(), QStringList());
  }

  void duplicateBankCodeKeepsTheRowInEditing() {
    TFrmBankCode form(*dm_);
    Activate(form);
    QCOMPARE(form.windowTitle(), QStringLiteral("코드설정 - 은행"));
    int banks = StoredColumn("SELECT BankID FROM TBBank").size();
    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    Edit(form, "BankID")->setText("04");
    Edit(form, "BankNM")->setText("새은행");
    Edit(form, "BankNM")->setFocus();
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(msg_->Messages().size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(msg_->Messages()[0].Text),
             QStringLiteral("코드가 중복됩니다."));
    QCOMPARE(QString::fromStdString(msg_->Messages()[0].Caption), QString(kInputError));
    QCOMPARE(QApplication::focusWidget(), form.FieldEditor("BankID"));
    QVERIFY(form.BtnSave->isEnabled());
    QCOMPARE(Edit(form, "BankNM")->text(), QStringLiteral("새은행"));

    // An empty code is a missing required item; a free code saves.
    msg_->Clear();
    Edit(form, "BankID")->clear();
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(msg_->Texts(), std::vector<std::string>{"필수항목이 누락되었습니다. "});
    QCOMPARE(QString::fromStdString(msg_->Messages()[0].Caption), QString(kInputError));
    Edit(form, "BankID")->setText("99");
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QVERIFY(!form.BtnSave->isEnabled());
    QCOMPARE(StoredColumn("SELECT BankNM FROM TBBank WHERE BankID = '99'"),
             QStringList({"새은행"}));
    QCOMPARE(StoredColumn("SELECT BankID FROM TBBank").size(), banks + 1);
  }

  void cancelRestoresTheRowAndGridFollowsTheTable() {
    TFrmBankResult form(*dm_);
    Activate(form);
    QCOMPARE(form.windowTitle(), QStringLiteral("은행별 에러코드"));
    const QAbstractItemModel& grid = *form.DBGrid1->model();
    QVERIFY(grid.rowCount() > 1);
    form.DBGrid1->setCurrentIndex(grid.index(1, 0));
    const QString bank = grid.index(1, 0).data().toString();
    const QString name = grid.index(1, 2).data().toString();
    QVERIFY(bank != grid.index(0, 0).data().toString());
    QCOMPARE(Edit(form, "BankID")->text(), bank);
    QCOMPARE(Edit(form, "Result_NM")->text(), name);

    QTest::mouseClick(form.BtnEdit, Qt::LeftButton);
    QVERIFY(!form.DBGrid1->isEnabled());
    Edit(form, "Result_NM")->setText("바뀐이름");
    QTest::mouseClick(form.BtnCancel, Qt::LeftButton);
    QVERIFY(form.DBGrid1->isEnabled());
    QCOMPARE(Edit(form, "BankID")->text(), bank);
    QCOMPARE(Edit(form, "Result_NM")->text(), name);
    QCOMPARE(QString::fromStdString(dm_->TB_ResultCd.FieldByName("Result_NM").AsString()), name);
    // Whatever the data module holds reaches the file now: the cancelled text must not be there.
    dm_->CommitAllTables();
    QCOMPARE(StoredColumn("SELECT count(*) FROM TBResultCd WHERE Result_NM = '바뀐이름'"),
             QStringList({"0"}));
  }

  void dongCodeAndQorexPanel() {
    AddDong("0001", "일동");
    AddDong("0000", "본청");
    TFrmDong form(*dm_);
    Activate(form);
    QVERIFY(!form.PanelQorex->isVisible());
    ClickRow(*form.DBGrid1, 0);  // key order: "0000" first
    QVERIFY(form.PanelQorex->isVisible());
    ClickRow(*form.DBGrid1, 1);
    QVERIFY(!form.PanelQorex->isVisible());
    QCOMPARE(Edit(form, "DongID")->text(), QStringLiteral("0001"));

    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), form.DBEdit1);
    form.DBEdit1->setText("002");
    Edit(form, "DongNm")->setFocus();
    QCOMPARE(msg_->Texts(), std::vector<std::string>{"코드는 반드시  4자리 입력하여야 합니다."});
    QCOMPARE(QString::fromStdString(msg_->Messages()[0].Caption), QString(kInputError));
    QCOMPARE(QApplication::focusWidget(), Edit(form, "DongNm"));
    // The short code is still saved: the store decides.
    Edit(form, "DongNm")->setText("이동");
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(StoredColumn("SELECT DongID FROM TBManager ORDER BY DongID"),
             QStringList({"0000", "0001", "002"}));
  }

  void newDongZeroShowsQorexOnLeavingTheCode() {
    TFrmDong form(*dm_);
    Activate(form);
    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    form.DBEdit1->setText("0000");
    QVERIFY(!form.PanelQorex->isVisible());
    Edit(form, "DongNm")->setFocus();
    QVERIFY(form.PanelQorex->isVisible());
    QVERIFY(msg_->Messages().empty());
  }

  void shortItemCodeTakesTheFocusBack() {
    TFrmLargeitm form(*dm_);
    Activate(form);
    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    form.DBEdit1->setText("1");
    Edit(form, "LargeItmNm")->setFocus();
    QCOMPARE(msg_->Texts(), std::vector<std::string>{"코드는 반드시  2자리 입력하여야 합니다."});
    QCOMPARE(QString::fromStdString(msg_->Messages()[0].Caption), QString(kInputError));
    QCOMPARE(QApplication::focusWidget(), form.DBEdit1);
  }

  // Every way to a code table in the main window opens its window modally, on the data module.
  void mainWindowOpensEachCodeTable_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("caption");
    QTest::newRow("institutions") << "MnuKigwan" << QStringLiteral("이용자코드");
    QTest::newRow("dongs") << "MnuDong" << QStringLiteral("코드설정 행정사무소");
    QTest::newRow("items") << "MnuLargeItm" << QStringLiteral("코드설정 - 항목등록");
    QTest::newRow("banks") << "MnuBankCode" << QStringLiteral("코드설정 - 은행");
    QTest::newRow("result codes") << "MnuBankResult" << QStringLiteral("은행별 에러코드");
    QTest::newRow("pop-up institutions") << "PopKigwan" << QStringLiteral("이용자코드");
    QTest::newRow("pop-up result codes") << "PopBankResult" << QStringLiteral("은행별 에러코드");
    QTest::newRow("button bank registration") << "BtnBank" << QStringLiteral("코드설정 - 은행");
  }
  void mainWindowOpensEachCodeTable() {
    QFETCH(QString, action);
    QFETCH(QString, caption);
    TFrmMain main;
    main.show();
    auto* command = main.findChild<QAction*>(action);
    QVERIFY(command && command->isEnabled());
    QString opened;
    test::WhenModal<TCodeTableForm>([&](TCodeTableForm& form) {
      opened = form.windowTitle();
      QTest::mouseClick(form.BtnExit, Qt::LeftButton);
    });
    command->trigger();
    QCOMPARE(opened, caption);
    QVERIFY(msg_->Messages().empty());
  }

 private:
  void TypeInstitution(TFrmKigwan& form, const char* name) {
    Edit(form, "KiGwanName")->setText(QString::fromUtf8(name));
    auto* bank = Field<QComboBox>(form, "BankID");
    bank->setCurrentIndex(bank->findData("11"));
    Edit(form, "BankNo")->setText("123-45-678901");
    Edit(form, "BCode")->setText("A123456");
    Edit(form, "SendName")->setText("NH001");
    Edit(form, "RecvName")->setText("NR001");
  }

  void InsertInstitution(TFrmKigwan& form, const char* name) {
    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), form.FieldEditor("KiGwanName"));
    TypeInstitution(form, name);
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QVERIFY(!form.BtnSave->isEnabled());
  }

  void AddDong(const char* id, const char* name) {
    dm_->TB_Manager.Append();
    dm_->TB_Manager.FieldByName("DongID").Set(id);
    dm_->TB_Manager.FieldByName("DongNm").Set(name);
    dm_->TB_Manager.Post();
    dm_->CommitAllTables();
  }

  // What another program reading the database file sees: only committed rows.
  QStringList StoredColumn(const std::string& sql) {
    TDatabase reader;
    reader.Open(file_);
    QStringList values;
    TStatement& s = reader.Prepare(sql);
    s.Bind({});
    while (s.Step()) {
      QStringList row;
      for (int c = 0; c < s.ColumnCount(); ++c)
        row << QString::fromStdString(s.Column(c).AsString());
      values << row.join(' ');
    }
    s.Reset();
    return values;
  }
  QStringList StoredInstitutions() {
    return StoredColumn("SELECT KigwanID, KiGwanName FROM KiGwan ORDER BY KigwanID");
  }

  std::unique_ptr<test::TTempFolder> folder_;
  std::string file_;
  std::unique_ptr<TDModule> dm_;
  std::unique_ptr<test::TScriptedWaitMsg> msg_;
};

SELVANE_UI_TEST(TestCodeTables, "CodeTables");

}  // namespace selvane

#include "CodeTables_test.moc"
