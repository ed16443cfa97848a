#include "edi/ui/ExchangeCommands.h"

#include <QAction>

#include "core/DM.h"
#include "core/EdiFolders.h"
#include "core/WaitMsg.h"
#include "core/ui/Main.h"
#include "edi/EdiLibrary.h"
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

  QAction* setup = main.MenuAction("MnuEnvSetup");
  setup->setEnabled(true);
  QObject::connect(setup, &QAction::triggered, &main, [] {
    const bool saved = EdiEnvSetup();
    if (saved) LoadEdiFolders();
    // A cancel needs no word; a component that is missing or a save that failed does.
    if (!saved && EdiLastResult() != 0) ErrorBox(EdiLastMessage());
  });
}

}  // namespace selvane
