#include "transfer/ui/PrintCommand.h"

#include <QAction>

#include "core/WaitMsg.h"
#include "core/ui/Main.h"
#include "transfer/ui/Prew.h"

namespace selvane {

void WirePrintCommand(TFrmMain& main) {
  QAction* action = main.MenuAction("MnuPrint");
  if (action == nullptr) return;
  action->setEnabled(true);
  QObject::connect(action, &QAction::triggered, &main, [&main] {
    if (DModule == nullptr || !DModule->Database.IsOpen()) {
      ErrorBox("데이터베이스가 열려 있지 않습니다.");
      return;
    }
    TFrmPrew form(*DModule, &main);
    form.exec();
  });
}

}  // namespace selvane
