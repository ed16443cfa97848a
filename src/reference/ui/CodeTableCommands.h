// The main window's commands that open the code-table windows.
#pragma once

namespace selvane {

class TFrmMain;

// Enables the menu items "기관코드설정", "동코드설정", "항목코드설정", "은행코드설정" and
// "은행별에러코드" (their tool-bar buttons and pop-up items follow them) and makes each open its
// window modally on the data module; the window is destroyed when it closes.
void WireCodeTableCommands(TFrmMain& main);

}  // namespace selvane
