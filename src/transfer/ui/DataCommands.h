// The main window's data-management commands: "자료백업", "자료복구" and "자료초기화".
#pragma once

namespace selvane {

class TFrmMain;

// Enables the three items. Each disables the main window and closes the database (after writing
// what is pending; a failed write stops the command with its message), runs its operation with
// the program's file dialogs (backup; restore followed, when it succeeded, by the reset; the
// reset alone), then shows "자료를 열고 있습니다." while it opens the database again and enables
// the window, whatever happened, and reports success with "자료 받기가 완료되었습니다.",
// "자료 복구가 완료되었습니다." or "자료 재정리가 완료되었습니다.".
void WireDataCommands(TFrmMain& main);

}  // namespace selvane
