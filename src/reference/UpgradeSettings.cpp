#include "reference/UpgradeSettings.h"

#include "core/Registry.h"
#include "core/TextRoutines.h"

namespace selvane {

TUpgradeSettings UpgradeSettings;

namespace {

// The entry of a list that a stored number stands for; -1 when it stands for none.
int Entry(const std::string& stored, int offset, std::size_t entries) {
  const std::string text = Trim(stored);
  if (!IsAllDigits(text) || text.size() > 2) return -1;
  const int entry = std::stoi(text) - offset;
  return entry >= 0 && entry < int(entries) ? entry : -1;
}

}  // namespace

void ReadUpgradeSettings() {
  TRegistry registry;
  if (!registry.OpenKey(kUpgradeSettingsKey, false)) {
    UpgradeSettings = TUpgradeSettings();
    return;
  }
  for (auto [name, value] : {std::pair{"Interval1", &UpgradeSettings.Interval1},
                             std::pair{"Interval2", &UpgradeSettings.Interval2},
                             std::pair{"UpdateDt", &UpgradeSettings.UpdateDt}})
    if (auto stored = registry.ReadString(name)) *value = *stored;
}

bool WriteUpgradeSettings() {
  TRegistry registry;
  if (!registry.OpenKey(kUpgradeSettingsKey, true)) return false;
  return registry.WriteValues({{"Interval1", false, UpgradeSettings.Interval1, 0},
                               {"Interval2", false, UpgradeSettings.Interval2, 0},
                               {"UpdateDt", false, "20000101", 0}});
}

const std::vector<std::string>& UpgradeWeekdays() {
  static const std::vector<std::string> weekdays = {"월요일", "화요일", "수요일",
                                                    "목요일", "금요일", "토요일"};
  return weekdays;
}

const std::vector<std::string>& UpgradeDays() {
  static const std::vector<std::string> days = [] {
    std::vector<std::string> list;
    for (int day = 1; day <= 31; ++day)
      list.push_back(std::to_string(day) + (day < 10 ? " 일" : "일"));
    return list;
  }();
  return days;
}

TUpgradeChoice ChoiceOfSettings(const TUpgradeSettings& settings) {
  TUpgradeChoice choice;
  if (settings.Interval1 == "EXE") {
    choice.Text = "프로그램실행시";
    return choice;
  }
  if (settings.Interval1 == "WEEK") {
    const int weekday = Entry(settings.Interval2, 2, UpgradeWeekdays().size());
    if (weekday >= 0) {
      choice.Period = TUpgradePeriod::Weekly;
      choice.Weekday = weekday;
      choice.Text = "매주  " + UpgradeWeekdays()[weekday];
      return choice;
    }
  }
  if (settings.Interval1 == "MONTH") {
    const int day = Entry(settings.Interval2, 1, UpgradeDays().size());
    if (day >= 0) {
      choice.Period = TUpgradePeriod::Monthly;
      choice.Day = day;
      choice.Text = "매월  " + UpgradeDays()[day];
      return choice;
    }
  }
  choice.Text = "설정되어 있지 않음";
  return choice;
}

void StoreChoice(const TUpgradeChoice& choice, TUpgradeSettings& settings) {
  switch (choice.Period) {
    case TUpgradePeriod::EveryStart:
      settings.Interval1 = "EXE";
      settings.Interval2.clear();
      break;
    case TUpgradePeriod::Weekly:
      settings.Interval1 = "WEEK";
      settings.Interval2 = std::to_string(choice.Weekday + 2);
      break;
    case TUpgradePeriod::Monthly:
      settings.Interval1 = "MONTH";
      settings.Interval2 = std::to_string(choice.Day + 1);
      break;
  }
}

}  // namespace selvane
