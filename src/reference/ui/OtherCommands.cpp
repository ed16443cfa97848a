#include "reference/ui/OtherCommands.h"

#include <QAction>

#include "core/ui/Main.h"
#include "reference/ui/About.h"
#include "reference/ui/UserInfo.h"

namespace selvane {
namespace {

template <class TForm>
void Wire(TFrmMain& main, const char* menuItem) {
  QAction* action = main.MenuAction(QString::fromLatin1(menuItem));
  action->setEnabled(true);
  QObject::connect(action, &QAction::triggered, &main, [&main] {
    TForm form(&main);
    form.exec();
  });
}

}  // namespace

void WireOtherCommands(TFrmMain& main) {
  Wire<TAboutBox>(main, "MnuAbout");
  Wire<TFrmUser>(main, "MnuUser");
}

}  // namespace selvane
