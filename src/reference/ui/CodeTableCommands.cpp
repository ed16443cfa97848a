#include "reference/ui/CodeTableCommands.h"

#include <QAction>

#include "core/WaitMsg.h"
#include "core/ui/Main.h"
#include "reference/ui/BankCode.h"
#include "reference/ui/BankResult.h"
#include "reference/ui/DongSetting.h"
#include "reference/ui/KiGwan.h"
#include "reference/ui/LargeItem.h"

namespace selvane {
namespace {

template <class TForm>
void Wire(TFrmMain& main, const char* menuItem) {
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

}  // namespace

void WireCodeTableCommands(TFrmMain& main) {
  Wire<TFrmKigwan>(main, "MnuKigwan");
  Wire<TFrmDong>(main, "MnuDong");
  Wire<TFrmLargeitm>(main, "MnuLargeItm");
  Wire<TFrmBankCode>(main, "MnuBankCode");
  Wire<TFrmBankResult>(main, "MnuBankResult");
}

}  // namespace selvane
