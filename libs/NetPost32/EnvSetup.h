// The component's settings dialog. Built with Qt where the build has it; without, there is no
// dialog and the setup counts as cancelled.
#pragma once

#include <string>

namespace selvane::netpost {

// 1 when the user saved with OK, 0 when cancelled, -777 when saving failed.
int RunEnvSetup(const std::string& programKey);

}  // namespace selvane::netpost
