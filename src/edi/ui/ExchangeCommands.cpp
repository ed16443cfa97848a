#include "edi/ui/ExchangeCommands.h"

#include "core/DM.h"
#include "core/WaitMsg.h"
#include "core/ui/Main.h"
#include "edi/ui/NorVaEdi.h"

namespace selvane {

void WireExchangeCommands(TFrmMain& main) {
  main.SetNorvaEdiOpener([&main](int mode) {
    if (DModule == nullptr || !DModule->Database.IsOpen()) {
      ErrorBox("데이터베이스가 열려 있지 않습니다.");
      return;
    }
    ShowNorvaEdi(mode, &main);
  });
}

}  // namespace selvane
