// The program's side of the EDI communication component (libNetPost32.so, loaded through its C
// interface): the five calls, the last call and its message, and the registry values the main
// window reads around them. Results of the component are never raised as errors; the callers
// decide from the boolean results and show EdiLastMessage().
#pragma once

#include <string>

namespace selvane {

enum class TEdiOperation { None, Send, Receive, SendReceive, ReReceive, Setup };

// Result codes of the component that the program tells apart.
inline constexpr int kEdiStopped = -999;
inline constexpr int kEdiNoLogin = -10;
inline constexpr int kEdiNoFolder = -20;
inline constexpr int kEdiHeaderMissing = -30;
inline constexpr int kEdiHeaderInvalid = -40;
inline constexpr int kEdiRegistry = -777;

// Back to "no call yet" (operation none, result 0): at start-up.
void ResetEdiLastCall();
TEdiOperation EdiLastOperation();
int EdiLastResult();

// Each records itself as the last operation, calls the component, records its result and
// answers whether it is above 0.
bool EdiEnvSetup();
bool EdiSend();
bool EdiReceive();
bool EdiReReceive();
// Send and receive in one call. A half is ok when its result is 0 or more; the last call then
// names the failed half (the receive half when both failed) with its result. True when the
// call's result is above 0 and at least one half is ok. The two results are given back too.
bool EdiSendReceive(bool& sendOk, bool& receiveOk, int* sendResult = nullptr,
                    int* receiveResult = nullptr);

// The text for an operation and its result; "?????" for a combination without one.
std::string EdiResultMessage(TEdiOperation operation, int result);
// The text for the last call, followed by the component's reason for a failure when it gives one;
// when the component could not be loaded, why.
std::string EdiLastMessage();

// The LoginID of the UserInfo key alone; empty when the key or the value is missing.
std::string ReadEdiLoginId();
// The integer COM-TYPE of the Comm key (the key is created when missing); -1 when the value is
// missing or the key cannot be opened.
int ReadComType();
// Writes Dir (the program folder) and Ver under Software\PATCHRUNGRADE\DB\Setup.exe (the
// program's version) and ...\NetPost32.dll (the component's version); true when the second key
// could be opened.
bool RegisterVersions();

// The component's version, empty when it cannot be loaded.
std::string EdiLibraryVersion();

}  // namespace selvane
