// What runs before the program body: the units initialise in their order.
#pragma once

namespace selvane {

// The EDI settings are read, defaulted and written back, then the working folders are set.
void InitializeUnits();

}  // namespace selvane
