#include "reference/ui/UpGradeSet.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "reference/AutoUpgrade.h"
#include "reference/UpgradeSettings.h"

namespace selvane {
namespace {

QPushButton* Button(const char* name, const char* text) {
  auto* button = new QPushButton(QString::fromUtf8(text));
  button->setObjectName(name);
  return button;
}

QComboBox* PickList(const char* name, const std::vector<std::string>& entries) {
  auto* list = new QComboBox;
  list->setObjectName(name);
  list->setEditable(false);
  for (const std::string& entry : entries) list->addItem(QString::fromStdString(entry));
  return list;
}

}  // namespace

TfrmUpGradeSet::TfrmUpGradeSet(QWidget* parent) : QDialog(parent) {
  setObjectName("frmUpGradeSet");
  setWindowTitle(QStringLiteral("자동 업그레이드 주기 설정"));

  auto* intro =
      new QLabel(QStringLiteral("본 메뉴에서 설정한 주기에 따라 업그레이드 프로그램이\n"
                                "자동으로 실행되어 최근 프로그램으로 갱신 합니다."));
  intro->setObjectName("LblIntro");

  auto* period = new QGroupBox(QStringLiteral("주기설정"));
  period->setObjectName("GrpPeriod");
  ExeRadio = new QRadioButton(QStringLiteral("매번 프로그램 실행시"));
  ExeRadio->setObjectName("ExeRadio");
  WeekRadio = new QRadioButton(QStringLiteral("매주"));
  WeekRadio->setObjectName("WeekRadio");
  MonthRadio = new QRadioButton(QStringLiteral("매월"));
  MonthRadio->setObjectName("MonthRadio");
  WeekCombo = PickList("WeekCombo", UpgradeWeekdays());
  MonthCombo = PickList("MonthCombo", UpgradeDays());
  auto* group = new QButtonGroup(this);
  auto* grid = new QGridLayout(period);
  int row = 0;
  for (QRadioButton* radio : {ExeRadio, WeekRadio, MonthRadio}) {
    group->addButton(radio);
    grid->addWidget(radio, row++, 0);
    connect(radio, &QRadioButton::clicked, this, [this] { ExeRadioClick(); });
  }
  grid->addWidget(WeekCombo, 1, 1);
  grid->addWidget(MonthCombo, 2, 1);

  auto* current = new QGroupBox(QStringLiteral("현재 설정된 내용"));
  current->setObjectName("GrpCurrent");
  LblCurrent = new QLabel;
  LblCurrent->setObjectName("LblCurrent");
  LblCurrent->setAlignment(Qt::AlignCenter);
  (new QVBoxLayout(current))->addWidget(LblCurrent);

  Settingbtn = Button("Settingbtn", "설정");
  Okbtn = Button("Okbtn", "저 장");
  Cancelbtn = Button("Cancelbtn", "닫 기");
  UpGradeStartbtn = Button("UpGradeStartbtn", "지금 업그레이드");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {Settingbtn, Okbtn, Cancelbtn}) buttons->addWidget(button);
  auto* now = new QHBoxLayout;
  auto* nowText = new QLabel(QStringLiteral("지금 바로 코렉스텔레콤 서버에 연결"));
  nowText->setObjectName("LblNow");
  now->addWidget(nowText, 1);
  now->addWidget(UpGradeStartbtn);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(period);
  layout->addWidget(current);
  layout->addLayout(buttons);
  layout->addLayout(now);

  connect(Settingbtn, &QPushButton::clicked, this, [this] { SettingbtnClick(); });
  connect(Okbtn, &QPushButton::clicked, this, [this] { OkbtnClick(); });
  connect(Cancelbtn, &QPushButton::clicked, this, [this] { CancelbtnClick(); });
  connect(UpGradeStartbtn, &QPushButton::clicked, this, [this] { UpGradeStartbtnClick(); });
  FormCreate();
}

void TfrmUpGradeSet::Lock(QWidget* widget, bool enabled) {
  // A locked control is drawn in the window's own colour, as if it were part of the window.
  widget->setEnabled(enabled);
  QPalette colours = QApplication::palette(widget);
  if (!enabled)
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button})
      colours.setColor(QPalette::Disabled, role, palette().color(QPalette::Window));
  widget->setPalette(colours);
}

void TfrmUpGradeSet::FormCreate() {
  const TUpgradeChoice choice = ChoiceOfSettings(UpgradeSettings);
  WeekCombo->setCurrentIndex(choice.Weekday);
  MonthCombo->setCurrentIndex(choice.Day);
  switch (choice.Period) {
    case TUpgradePeriod::EveryStart:
      ExeRadio->setChecked(true);
      break;
    case TUpgradePeriod::Weekly:
      WeekRadio->setChecked(true);
      break;
    case TUpgradePeriod::Monthly:
      MonthRadio->setChecked(true);
      break;
  }
  LblCurrent->setText(QString::fromStdString(choice.Text));
  for (QWidget* widget :
       std::initializer_list<QWidget*>{ExeRadio, WeekRadio, MonthRadio, WeekCombo, MonthCombo})
    Lock(widget, false);
  Okbtn->setEnabled(false);
}

void TfrmUpGradeSet::SettingbtnClick() {
  Okbtn->setEnabled(true);
  for (QWidget* widget : std::initializer_list<QWidget*>{ExeRadio, WeekRadio, MonthRadio})
    Lock(widget, true);
  ExeRadioClick();
}

void TfrmUpGradeSet::ExeRadioClick() {
  Lock(WeekCombo, WeekRadio->isChecked());
  Lock(MonthCombo, MonthRadio->isChecked());
}

void TfrmUpGradeSet::OkbtnClick() {
  TUpgradeChoice choice;
  choice.Period = WeekRadio->isChecked()    ? TUpgradePeriod::Weekly
                  : MonthRadio->isChecked() ? TUpgradePeriod::Monthly
                                            : TUpgradePeriod::EveryStart;
  choice.Weekday = WeekCombo->currentIndex();
  choice.Day = MonthCombo->currentIndex();
  StoreChoice(choice, UpgradeSettings);
  done(kSaved);
}

void TfrmUpGradeSet::CancelbtnClick() {
  done(kClosed);
}

void TfrmUpGradeSet::UpGradeStartbtnClick() {
  done(kUpgradeNow);
}

void TfrmUpGradeSet::reject() {
  done(kClosed);
}

bool RunUpgradeSettings(QWidget* parent) {
  int result = TfrmUpGradeSet::kClosed;
  {
    TfrmUpGradeSet form(parent);
    result = form.exec();
  }
  if (result == TfrmUpGradeSet::kSaved) WriteUpgradeSettings();
  return result == TfrmUpGradeSet::kUpgradeNow && RunUpgrade(true);
}

}  // namespace selvane
