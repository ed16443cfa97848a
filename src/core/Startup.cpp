#include "core/Startup.h"

#include "core/Globals.h"

namespace selvane {

void InitializeUnits() {
  LoadWorkingFolders();
}

}  // namespace selvane
