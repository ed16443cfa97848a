// A main-window command that opens a window modally on the data module.
#pragma once

#include <QAction>

#include "core/DM.h"
#include "core/WaitMsg.h"
#include "core/ui/Main.h"

namespace selvane {

// Enables the menu item and makes it open a TForm(*DModule, &main) modally, destroyed when it
// closes; without an open database an error box instead.
template <class TForm>
void WireModalCommand(TFrmMain& main, const char* menuItem) {
  QAction* action = main.MenuAction(QString::fromLatin1(menuItem));
  if (action == nullptr) return;
  action->setEnabled(true);
  QObject::connect(action, &QAction::triggered, &main, [&main] {
    if (DModule == nullptr || !DModule->Database.IsOpen()) {
      ErrorBox("데이터베이스가 열려 있지 않습니다.");
      return;
    }
    TForm form(*DModule, &main);
    form.exec();
  });
}

}  // namespace selvane
