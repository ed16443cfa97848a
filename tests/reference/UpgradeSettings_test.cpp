// The upgrade interval in the registry and in memory, and how the settings window shows it.
#include "reference/UpgradeSettings.h"

#include <gtest/gtest.h>

#include "core/Registry.h"
#include "support/SettingsSandbox.h"

namespace selvane {
namespace {

const std::string kHead = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\PATCHRUNGRADE\\DB]\n";

class UpgradeSettingsStore : public ::testing::Test {
 protected:
  void SetUp() override { UpgradeSettings = {"WEEK", "4", "20260301"}; }
  test::TSettingsSandbox sandbox_;
};

TEST_F(UpgradeSettingsStore, StoredValuesReplaceTheOnesInMemoryMissingOnesStay) {
  sandbox_.WriteRegistry(kHead + "\"Interval1\"=\"MONTH\"\n\"UpdateDt\"=\"\"\n");
  ReadUpgradeSettings();
  EXPECT_EQ(UpgradeSettings, (TUpgradeSettings{"MONTH", "4", ""}));
}

TEST_F(UpgradeSettingsStore, AKeyThatCannotBeOpenedEmptiesAll) {
  sandbox_.WriteRegistry("REGEDIT4\n");
  ReadUpgradeSettings();
  EXPECT_EQ(UpgradeSettings, TUpgradeSettings{});
}

TEST_F(UpgradeSettingsStore, WritingAsksForACheckAtTheNextStart) {
  UpgradeSettings = {"MONTH", "15", "20260325"};
  ASSERT_TRUE(WriteUpgradeSettings());
  EXPECT_EQ(sandbox_.RegistryText(),
            kHead + "\"Interval1\"=\"MONTH\"\n\"Interval2\"=\"15\"\n\"UpdateDt\"=\"20000101\"\n");
}

TEST_F(UpgradeSettingsStore, ADamagedSettingsFileIsNotWritten) {
  const std::string damaged = "REGEDIT4\n[HKEY_CURRENT_USER\\Software\n";
  sandbox_.WriteRegistry(damaged);
  EXPECT_FALSE(WriteUpgradeSettings());
  EXPECT_EQ(sandbox_.RegistryText(), damaged);
}

TEST(UpgradeChoice, WhatTheWindowShows) {
  struct TCase {
    TUpgradeSettings Settings;
    TUpgradePeriod Period;
    int Weekday, Day;
    const char* Text;
  };
  const TCase cases[] = {
      {{"EXE", "", ""}, TUpgradePeriod::EveryStart, 0, 0, "프로그램실행시"},
      {{"WEEK", "4", ""}, TUpgradePeriod::Weekly, 2, 0, "매주  수요일"},
      {{"WEEK", "7", ""}, TUpgradePeriod::Weekly, 5, 0, "매주  토요일"},
      {{"MONTH", "9", ""}, TUpgradePeriod::Monthly, 0, 8, "매월  9 일"},
      {{"MONTH", "31", ""}, TUpgradePeriod::Monthly, 0, 30, "매월  31일"},
      {{"", "", ""}, TUpgradePeriod::EveryStart, 0, 0, "설정되어 있지 않음"},
      {{"week", "4", ""}, TUpgradePeriod::EveryStart, 0, 0, "설정되어 있지 않음"},
      {{"WEEK", "1", ""}, TUpgradePeriod::EveryStart, 0, 0, "설정되어 있지 않음"},
      {{"MONTH", "32", ""}, TUpgradePeriod::EveryStart, 0, 0, "설정되어 있지 않음"},
      {{"MONTH", "x", ""}, TUpgradePeriod::EveryStart, 0, 0, "설정되어 있지 않음"},
  };
  for (const TCase& c : cases) {
    const TUpgradeChoice choice = ChoiceOfSettings(c.Settings);
    const std::string name = c.Settings.Interval1 + "/" + c.Settings.Interval2;
    EXPECT_EQ(choice.Period, c.Period) << name;
    EXPECT_EQ(choice.Weekday, c.Weekday) << name;
    EXPECT_EQ(choice.Day, c.Day) << name;
    EXPECT_EQ(choice.Text, c.Text) << name;
  }
}

TEST(UpgradeChoice, SavedChoicesReadBackAsChosen) {
  for (int weekday = 0; weekday < int(UpgradeWeekdays().size()); ++weekday)
    for (int day : {0, 14, 30})
      for (TUpgradePeriod period :
           {TUpgradePeriod::EveryStart, TUpgradePeriod::Weekly, TUpgradePeriod::Monthly}) {
        TUpgradeSettings settings{"", "", "20260325"};
        TUpgradeChoice chosen{period, weekday, day, ""};
        StoreChoice(chosen, settings);
        EXPECT_EQ(settings.UpdateDt, "20260325");
        const TUpgradeChoice read = ChoiceOfSettings(settings);
        EXPECT_EQ(read.Period, period);
        if (period == TUpgradePeriod::Weekly) {
          EXPECT_EQ(read.Weekday, weekday);
        } else if (period == TUpgradePeriod::Monthly) {
          EXPECT_EQ(read.Day, day);
        } else {
          EXPECT_EQ(settings.Interval2, "");
        }
      }
}

}  // namespace
}  // namespace selvane
