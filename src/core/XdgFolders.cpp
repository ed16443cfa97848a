#include "core/XdgFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace selvane {

namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  if (const passwd* account = ::getpwuid(::getuid()); account != nullptr && account->pw_dir)
    return account->pw_dir;
  return "/";
}

}  // namespace

std::string XdgFolder(const char* variable, const char* fallback) {
  // A relative value is to be ignored: it would name another folder from every folder.
  const char* named = std::getenv(variable);
  if (named != nullptr && named[0] == '/') return named;
  std::string home = HomeFolder();
  if (home.empty() || home.back() != '/') home += '/';
  return home + fallback;
}

}  // namespace selvane
