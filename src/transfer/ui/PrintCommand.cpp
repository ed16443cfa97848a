#include "transfer/ui/PrintCommand.h"

#include "core/ui/ModalCommand.h"
#include "transfer/ui/Prew.h"

namespace selvane {

void WirePrintCommand(TFrmMain& main) {
  WireModalCommand<TFrmPrew>(main, "MnuPrint");
}

}  // namespace selvane
