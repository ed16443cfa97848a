#include "reference/ui/CodeTableCommands.h"

#include "core/ui/ModalCommand.h"
#include "reference/ui/BankCode.h"
#include "reference/ui/BankResult.h"
#include "reference/ui/DongSetting.h"
#include "reference/ui/KiGwan.h"
#include "reference/ui/LargeItem.h"

namespace selvane {

void WireCodeTableCommands(TFrmMain& main) {
  WireModalCommand<TFrmKigwan>(main, "MnuKigwan");
  WireModalCommand<TFrmDong>(main, "MnuDong");
  WireModalCommand<TFrmLargeitm>(main, "MnuLargeItm");
  WireModalCommand<TFrmBankCode>(main, "MnuBankCode");
  WireModalCommand<TFrmBankResult>(main, "MnuBankResult");
}

}  // namespace selvane
