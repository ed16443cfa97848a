// The upgrade settings window "자동 업그레이드 주기 설정": how often the upgrade is looked for
// (every start, a weekday, a day of the month), and "지금 업그레이드". It shows and changes the
// settings in memory (UpgradeSettings); the caller writes them.
#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace selvane {

class TfrmUpGradeSet : public QDialog {
  Q_OBJECT

 public:
  // How the window ends.
  static constexpr int kSaved = 1;
  static constexpr int kClosed = 2;
  static constexpr int kUpgradeNow = 5;

  explicit TfrmUpGradeSet(QWidget* parent = nullptr);

  QRadioButton* ExeRadio;    // "매번 프로그램 실행시"
  QRadioButton* WeekRadio;   // "매주"
  QRadioButton* MonthRadio;  // "매월"
  QComboBox* WeekCombo;
  QComboBox* MonthCombo;
  QLabel* LblCurrent;  // the current setting
  QPushButton* Settingbtn;
  QPushButton* Okbtn;
  QPushButton* Cancelbtn;
  QPushButton* UpGradeStartbtn;

  void FormCreate();
  void SettingbtnClick();
  void ExeRadioClick();
  void OkbtnClick();
  void CancelbtnClick();
  void UpGradeStartbtnClick();

  void reject() override;  // the window's own close button: as "닫 기"

 private:
  void Lock(QWidget* widget, bool enabled);
};

// Opens the window modally over parent. Saved: the settings are written (UpdateDt "20000101").
// "지금 업그레이드": the upgrade runs at once. True when the launcher was started and the program
// must end.
bool RunUpgradeSettings(QWidget* parent);

}  // namespace selvane
