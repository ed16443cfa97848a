// The one clock of the program. Tests set it with SetClock; the environment variable NORVA_NOW
// ("YYYY-MM-DDTHH:MM:SS") fixes it for a whole process.
#pragma once

#include <optional>

#include "core/Date.h"

namespace selvane {

TDateTime Now();
TDate Today();

// A fixed moment for tests; nullopt returns to NORVA_NOW or the system clock.
void SetClock(std::optional<TDateTime> moment);

}  // namespace selvane
