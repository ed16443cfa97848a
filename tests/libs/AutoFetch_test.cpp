// The upgrade check against a folder source: what is staged, what is refused, and what the
// interval lets through. (An https source is the component's: tests/reference/AutoUpgrade_test.)
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "AutoFetch.h"
#include "Manifest.h"
#include "libs/UpgradeFixture.h"

namespace selvane::autofetch {
namespace {

using test::kRelease;

class UpgradeCheck : public test::TUpgradeFixture {};

TEST_F(UpgradeCheck, NoSourceMeansNothingToDoAndNothingTouched) {
  SetSource("");
  Publish("1.5.4.2");
  EXPECT_EQ(Check(), AUTOFETCH_NOTHING);
  EXPECT_FALSE(Exists(Root() + "upgrade"));
  EXPECT_EQ(UpdateDt(), "");
}

TEST_F(UpgradeCheck, NothingNewerIsRecordedAsChecked) {
  Publish("1.5.4.1");
  EXPECT_EQ(Check(), AUTOFETCH_NOTHING);
  EXPECT_FALSE(Exists(Layout().Staging()));
  EXPECT_EQ(UpdateDt(), "20260325");
}

TEST_F(UpgradeCheck, NoManifestPublishedIsNothingToDo) {
  std::filesystem::create_directories(Release());
  EXPECT_EQ(Check(), AUTOFETCH_NOTHING);
  EXPECT_EQ(UpdateDt(), "20260325");
}

TEST_F(UpgradeCheck, NewerSignedVersionIsStagedWhole) {
  Publish("1.5.4.2");
  ASSERT_EQ(Check(), AUTOFETCH_READY);
  for (const test::TReleaseFile& file : kRelease) {
    EXPECT_EQ(Read(Layout().Staging() + file.Path), file.Bytes) << file.Path;
    EXPECT_EQ(Mode(Layout().Staging() + file.Path), file.Mode) << file.Path;
  }
  EXPECT_EQ(Read(Layout().Staging() + "manifest"), Read(Release() + "manifest"));
  EXPECT_EQ(Read(Layout().Staging() + "manifest.sig"), Read(Release() + "manifest.sig"));
  // Nothing of the running program is replaced here.
  EXPECT_EQ(Read(Root() + "bin/selvane"), test::kOldProgram);
  EXPECT_EQ(Read(Root() + "lib/libNetPost32.so"), "old component");
  EXPECT_EQ(UpdateDt(), "20260325");

  std::string error;
  TManifest manifest;
  std::string key;
  ASSERT_TRUE(ReleasePublicKey(sandbox_.ProgramHome(), key, error)) << error;
  EXPECT_TRUE(VerifyUpdateFolder(Layout().Staging(), "DB", key, manifest, error)) << error;
}

// The version the last apply brought counts even when the program reports an older one.
TEST_F(UpgradeCheck, TheAppliedVersionIsNotFetchedAgain) {
  Put(Layout().Installed(), "1.5.4.2\n");
  Publish("1.5.4.2");
  EXPECT_EQ(Check(), AUTOFETCH_NOTHING);
  Publish("1.5.4.10");
  EXPECT_EQ(Check(), AUTOFETCH_READY);
}

struct TTampering {
  const char* Name;
  std::function<void(test::TUpgradeFixture&)> Apply;  // after the release is published
  friend void PrintTo(const TTampering& t, std::ostream* out) { *out << t.Name; }
};

class RefusedUpdate : public UpgradeCheck, public ::testing::WithParamInterface<TTampering> {};

// Whatever is wrong, nothing is staged and the day is not taken as checked.
TEST_P(RefusedUpdate, IsNeverStaged) {
  Publish("1.5.4.2");
  GetParam().Apply(*this);
  EXPECT_EQ(Check(), AUTOFETCH_MISMATCH);
  EXPECT_FALSE(Exists(Layout().Staging()));
  EXPECT_EQ(Read(Root() + "bin/selvane"), test::kOldProgram);
  EXPECT_EQ(UpdateDt(), "");
}

using TFixture = test::TUpgradeFixture;

const TTampering kTamperings[] = {
    {"SignedByAnotherKey",
     [](TFixture& t) { t.Publish("1.5.4.2", kRelease, "DB", MakeKeyPair().Secret); }},
    {"FileChangedAfterSigning",
     [](TFixture& t) { t.Put(t.Release() + "lib/libNetPost32.so", "NEW component"); }},
    {"FileLongerThanSigned",
     [](TFixture& t) { t.Put(t.Release() + "lib/libNetPost32.so", "new component and more"); }},
    {"FileMissing",
     [](TFixture& t) { std::filesystem::remove(t.Release() + "lib/libAutoFetch.so"); }},
    {"VersionEditedAfterSigning",
     [](TFixture& t) {
       std::string manifest = t.Read(t.Release() + "manifest");
       manifest.replace(manifest.find("1.5.4.2"), 7, "1.5.4.3");
       t.Put(t.Release() + "manifest", manifest);
     }},
    {"SignatureMissing",
     [](TFixture& t) { std::filesystem::remove(t.Release() + "manifest.sig"); }},
    {"SignatureNotBase64",
     [](TFixture& t) { t.Put(t.Release() + "manifest.sig", "not a signature\n"); }},
    {"ForAnotherApplication", [](TFixture& t) { t.Publish("1.5.4.2", kRelease, "XY"); }},
    {"DamagedKeyFile",
     [](TFixture& t) { t.Put(t.sandbox_.ProgramHome() + "AutoFetch.pub", "AAAA\n"); }},
    {"NoKeyFileAndTheBuiltInKeyDidNotSign",
     [](TFixture& t) { std::filesystem::remove(t.sandbox_.ProgramHome() + "AutoFetch.pub"); }},
};

INSTANTIATE_TEST_SUITE_P(Tampered, RefusedUpdate, ::testing::ValuesIn(kTamperings),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(UpgradeCheck, UnreachableSources) {
  Publish("1.5.4.2");
  for (const std::string& source :
       {work_.Path() + "no-such-folder", std::string("ftp://127.0.0.1/updates")}) {
    SetSource(source);
    EXPECT_EQ(Check(), AUTOFETCH_UNREACHABLE) << source;
    EXPECT_FALSE(Exists(Layout().Staging())) << source;
  }
  EXPECT_EQ(UpdateDt(), "");  // tried again at the next start
}

TEST_F(UpgradeCheck, StagingThatCannotBeWrittenLeavesNothing) {
  Publish("1.5.4.2");
  Put(Root() + "upgrade", "a file where the folder belongs");
  EXPECT_EQ(Check(), AUTOFETCH_STAGING);
  EXPECT_EQ(Read(Root() + "upgrade"), "a file where the folder belongs");
}

TEST_F(UpgradeCheck, TheIntervalDecidesBeforeTheSourceIsAsked) {
  SetSource(work_.Path() + "no-such-folder");  // asking it would be 12
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("Software\\PATCHRUNGRADE\\DB", true));
  ASSERT_TRUE(registry.WriteValues({{"Interval1", false, "WEEK", 0},
                                    {"Interval2", false, "2", 0},
                                    {"UpdateDt", false, "20260323", 0}}));
  EXPECT_EQ(Check(), AUTOFETCH_NOTHING);          // checked on Monday already
  EXPECT_EQ(Check(true), AUTOFETCH_UNREACHABLE);  // "지금 업그레이드" asks all the same
}

TEST_F(UpgradeCheck, AnApplyThatBrokeOffCallsForTheLauncher) {
  SetSource(work_.Path() + "no-such-folder");
  Put(Layout().Journal(), "replace bin/selvane\n");
  EXPECT_EQ(Check(), AUTOFETCH_READY);
}

struct TIntervalCase {
  const char* Name;
  const char* Interval1;
  const char* Interval2;
  const char* UpdateDt;
  TDate Today;
  bool Due;
  friend void PrintTo(const TIntervalCase& c, std::ostream* out) { *out << c.Name; }
};

class Interval : public ::testing::TestWithParam<TIntervalCase> {};

TEST_P(Interval, IsDue) {
  const TIntervalCase& c = GetParam();
  EXPECT_EQ(IsUpgradeDue(c.Interval1, c.Interval2, c.UpdateDt, c.Today), c.Due);
}

// 2026-03-25 is a Wednesday (weekday 4).
const TIntervalCase kIntervals[] = {
    {"EveryStartAlsoTheSameDay", "EXE", "", "20260325", {2026, 3, 25}, true},
    {"NotSetIsEveryStart", "", "", "20260325", {2026, 3, 25}, true},
    {"UnknownPeriodIsEveryStart", "DAILY", "", "20260325", {2026, 3, 25}, true},
    {"WeekdayComes", "WEEK", "4", "20260318", {2026, 3, 25}, true},
    {"WeekdayCheckedToday", "WEEK", "4", "20260325", {2026, 3, 25}, false},
    {"DayAfterTheWeekdayChecked", "WEEK", "4", "20260325", {2026, 3, 26}, false},
    {"MissedWeekdayIsCaughtUp", "WEEK", "4", "20260317", {2026, 3, 26}, true},
    {"BeforeTheWeekdayCheckedLastWeek", "WEEK", "6", "20260320", {2026, 3, 25}, false},
    {"SavedJustNow", "WEEK", "4", "20000101", {2026, 3, 24}, true},
    {"UnusableWeekdayIsEveryStart", "WEEK", "9", "20260325", {2026, 3, 25}, true},
    {"DayOfTheMonthComes", "MONTH", "15", "20260215", {2026, 3, 15}, true},
    {"DayOfTheMonthNotYet", "MONTH", "15", "20260215", {2026, 3, 14}, false},
    {"ThirtyFirstIsTheLastDayOfApril", "MONTH", "31", "20260331", {2026, 4, 30}, true},
    {"LastMonthAcrossTheYear", "MONTH", "20", "20251220", {2026, 1, 5}, false},
    {"DamagedUpdateDtCountsAsNever", "MONTH", "1", "2026-3-1", {2026, 3, 2}, true},
};

INSTANTIATE_TEST_SUITE_P(Periods, Interval, ::testing::ValuesIn(kIntervals),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Manifest, FormatsAndReadsBack) {
  const TManifest manifest{"DB",
                           "1.5.4.2",
                           {{"bin/selvane", 0755, 12, std::string(64, 'a')},
                            {"share/도움말 파일.txt", 0644, 0, std::string(64, '0')}}};
  const std::string text = FormatManifest(manifest);
  EXPECT_EQ(text, "selvane-update 1\napp DB\nversion 1.5.4.2\nfile 755 12 " + std::string(64, 'a') +
                      " bin/selvane\nfile 644 0 " + std::string(64, '0') +
                      " share/도움말 파일.txt\n");
  TManifest read;
  std::string error;
  ASSERT_TRUE(ParseManifest(text, read, error)) << error;
  EXPECT_EQ(read, manifest);
}

TEST(Manifest, RefusesWhatCouldHarmOrMislead) {
  const std::string head = "selvane-update 1\napp DB\nversion 1.5.4.2\n";
  const std::string hash = std::string(64, 'b');
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"leaves the install folder", head + "file 644 1 " + hash + " ../bin/selvane\n"},
      {"absolute path", head + "file 644 1 " + hash + " /usr/bin/selvane\n"},
      {"dot part", head + "file 644 1 " + hash + " bin/./selvane\n"},
      {"backslash", head + "file 644 1 " + hash + " bin\\selvane\n"},
      {"control character", head + "file 644 1 " + hash + " bin/sel\tvane\n"},
      {"same path twice", head + "file 644 1 " + hash + " bin/a\nfile 644 1 " + hash + " bin/a\n"},
      {"short hash", head + "file 644 1 abc bin/a\n"},
      {"upper-case hash", head + "file 644 1 " + std::string(64, 'B') + " bin/a\n"},
      {"mode beyond permissions", head + "file 4755 1 " + hash + " bin/a\n"},
      {"no files", head},
      {"no line end", head + "file 644 1 " + hash + " bin/a"},
      {"other header", "selvane-update 2\napp DB\nversion 1\nfile 644 1 " + hash + " a\n"},
      {"bad version", "selvane-update 1\napp DB\nversion 1.x\nfile 644 1 " + hash + " a\n"},
      {"unknown line", head + "file 644 1 " + hash + " a\nextra\n"},
  };
  for (const auto& [name, text] : cases) {
    TManifest manifest;
    std::string error;
    EXPECT_FALSE(ParseManifest(text, manifest, error)) << name;
    EXPECT_FALSE(error.empty()) << name;
  }
}

TEST(Manifest, VersionsCompareNumberByNumber) {
  const std::vector<std::tuple<const char*, const char*, int>> cases = {
      {"1.5.4.10", "1.5.4.9", 1}, {"1.5.4.1", "1.5.4.1", 0}, {"1.5", "1.5.0.0", 0},
      {"1.5.4.1", "1.6", -1},     {"", "0.0.0.1", -1},       {"1.5.4.1", "garbage", 1},
      {"1.2.3.4.5", "1", -1},
  };
  for (const auto& [a, b, sign] : cases) {
    const int result = CompareVersions(a, b);
    EXPECT_EQ((result > 0) - (result < 0), sign) << a << " vs " << b;
  }
}

}  // namespace
}  // namespace selvane::autofetch
