// The maker's two web servers the main window shows pages from: the notice server (the notice
// panel) and the transfer-status server (the NongHyup transfer-status window). Their host names
// are settings of the program folder: SELVANE.ini, section "Server", keys "NoticeHost" and
// "StatusHost", each "HOST" or "HOST:PORT". Without the key the default host is used; a key that
// is present but empty turns that page off, as does a process that has not loaded its working
// folders.
#pragma once

#include <string>

namespace selvane {

inline constexpr const char* kDefaultNoticeHost = "norva-notice";
inline constexpr const char* kDefaultStatusHost = "norva-status";

// "http://HOST:8050/popup/package/dbnorva/dbnorva.htm" (the port of the setting when it names
// one); empty when the notice page is turned off.
std::string NoticeUrl();

// "http://HOST/NHB/nhb_iche.jsp"; empty when the status page is turned off.
std::string TransferStatusUrl();

// The form body the status server expects: "USER_ID=" + user ID + "&SEC_KEY=" + the fixed key,
// with the terminating zero byte the server has always been sent.
std::string TransferStatusBody(const std::string& userId);

}  // namespace selvane
