// The automatic upgrade's interval, kept as text values under Software\PATCHRUNGRADE\DB of the
// registry of the current user (Interval1: "EXE", "WEEK" or "MONTH"; Interval2: the weekday 2
// Monday ... 7 Saturday, or the day 1 to 31; UpdateDt: the last check, "YYYYMMDD") and in memory
// while the program runs; and what the settings window shows of them.
#pragma once

#include <string>
#include <vector>

namespace selvane {

inline constexpr const char* kUpgradeSettingsKey = "Software\\PATCHRUNGRADE\\DB";

struct TUpgradeSettings {
  std::string Interval1;
  std::string Interval2;
  std::string UpdateDt;
  bool operator==(const TUpgradeSettings&) const = default;
};

// The values in memory.
extern TUpgradeSettings UpgradeSettings;

// Each value stored in the key replaces the one in memory, a missing one leaves it; when the
// key cannot be opened all three become empty.
void ReadUpgradeSettings();
// Writes Interval1 and Interval2 from memory and UpdateDt as "20000101" (so the next start
// checks), creating the key; false when it cannot be opened or written.
bool WriteUpgradeSettings();

// The settings window's choice: the period and the entries of its two lists (counted from 0).
enum class TUpgradePeriod { EveryStart, Weekly, Monthly };

struct TUpgradeChoice {
  TUpgradePeriod Period = TUpgradePeriod::EveryStart;
  int Weekday = 0;   // 0 Monday ... 5 Saturday
  int Day = 0;       // 0 the 1st ... 30 the 31st
  std::string Text;  // the current-setting text
};

// The weekday list ("월요일" ... "토요일") and the day list ("1 일" ... "9 일", "10일" ... "31일").
const std::vector<std::string>& UpgradeWeekdays();
const std::vector<std::string>& UpgradeDays();

// What the window shows for settings: "프로그램실행시", "매주  수요일", "매월  15일", or
// "설정되어 있지 않음" (with every start chosen) for anything else, an unusable day too.
TUpgradeChoice ChoiceOfSettings(const TUpgradeSettings& settings);
// The settings a saved choice stands for: "EXE" and "", "WEEK" and the weekday entry plus 2,
// "MONTH" and the day entry plus 1. UpdateDt is kept.
void StoreChoice(const TUpgradeChoice& choice, TUpgradeSettings& settings);

}  // namespace selvane
