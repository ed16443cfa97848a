// The main window's "이프로그램은...." (the about box) and "사용자정보" (the password window).
#pragma once

namespace selvane {

class TFrmMain;

// Enables both items and makes each open its window modally over the main window; the window
// is destroyed when it closes.
void WireOtherCommands(TFrmMain& main);

}  // namespace selvane
