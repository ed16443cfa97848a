// What runs before the program body: the units initialise in their order.
#pragma once

namespace selvane {

// The per-user program folder is made when an installed program starts for the first time (a
// folder that cannot be made is thrown as std::runtime_error). The EDI settings are read,
// defaulted and written back (their folders created), then the working folders are set and
// aligned with them. A settings file that cannot be used is shown
// as a warning; the program then runs on the defaults.
void InitializeUnits();

}  // namespace selvane
