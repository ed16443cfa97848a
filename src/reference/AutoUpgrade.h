// The program's side of the upgrade component (libAutoFetch.so, loaded through its C interface)
// and of the launcher patchrun: the check with its results and messages, and the launch.
#pragma once

#include <functional>
#include <string>

namespace selvane {

// The application code the program passes, and the program the launcher starts again.
inline constexpr const char* kUpgradeAppCode = "DB";
inline constexpr const char* kUpgradeProgramName = "selvane";

// The results of StartUpgrade that the program tells apart; the rest are failures with a
// message of their own.
inline constexpr int kUpgradeReady = 1;
inline constexpr int kUpgradeNothing = 2;
// The component could not be loaded.
inline constexpr int kUpgradeNoComponent = -1;

// Calls StartUpgrade (now: StartUpgradeNow, ignoring the interval) with "DB" and the EDI user
// ID. kUpgradeNoComponent when the component cannot be loaded.
int CallStartUpgrade(bool now);

// The message of a result: empty for 1 and 2; for a component that could not be loaded, why.
std::string UpgradeResultMessage(int result);

// On 1 starts the launcher; otherwise shows the result's message (none for 2). True only when
// the launcher was started; a launcher that cannot be started is an error box.
bool ActOnUpgradeResult(int result);

// The check as the program runs it: reads the interval settings, registers the versions and
// calls the component. The result of StartUpgrade.
int CheckForUpgrade(bool now);
// What the main window runs at creation and for "지금 업그레이드": the check, then acting on its
// result. True when the launcher was started and the program must end.
bool RunUpgrade(bool now);

// The launcher "patchrun" beside the running program file.
std::string LauncherFile();
// Starts the launcher with "DB selvane" in a session of its own, not waited for; false with
// the reason when it could not be started.
bool StartLauncher(std::string& error);

// For tests: the call that stands for the component (nullptr: the component), and the
// launcher's file (empty: LauncherFile()).
using TStartUpgradeCall =
    std::function<int(const std::string& appCode, const std::string& userId, bool now)>;
void SetStartUpgradeCall(TStartUpgradeCall call);
void SetLauncherFile(const std::string& fileName);

}  // namespace selvane
