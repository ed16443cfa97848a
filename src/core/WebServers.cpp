#include "core/WebServers.h"

#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/TextRoutines.h"

namespace selvane {
namespace {

const char* const kSection = "Server";

// "HOST" gets the default port; "HOST:PORT" keeps its own. Empty when the setting is empty.
std::string Authority(const char* key, const char* fallback, const char* defaultPort) {
  if (IniFileName.empty()) return "";  // no program folder loaded: no settings, no pages
  std::string host = Trim(TIniFile(IniFileName).ReadString(kSection, key, fallback));
  if (host.empty()) return "";
  if (host.find(':') == std::string::npos && *defaultPort != '\0') host += defaultPort;
  return host;
}

}  // namespace

std::string NoticeUrl() {
  std::string authority = Authority("NoticeHost", kDefaultNoticeHost, ":8050");
  if (authority.empty()) return "";
  return "http://" + authority + "/popup/package/dbnorva/dbnorva.htm";
}

std::string TransferStatusUrl() {
  std::string authority = Authority("StatusHost", kDefaultStatusHost, "");
  if (authority.empty()) return "";
  return "http://" + authority + "/NHB/nhb_iche.jsp";
}

std::string TransferStatusBody(const std::string& userId) {
  std::string body = "USER_ID=" + userId + "&SEC_KEY=5820473916";
  body.push_back('\0');
  return body;
}

}  // namespace selvane
