// The user's base folders of the XDG base-directory convention.
#pragma once

#include <string>

namespace selvane {

// The folder named by the environment variable (XDG_CONFIG_HOME, XDG_DATA_HOME) when it holds an
// absolute path; else the home folder followed by fallback (".config", ".local/share"). The home
// folder is $HOME, else that of the user's account. No separator at the end.
std::string XdgFolder(const char* variable, const char* fallback);

}  // namespace selvane
