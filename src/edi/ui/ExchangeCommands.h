// The main window's communication commands: the send/receive window in its four modes and the
// communication settings.
#pragma once

namespace selvane {

class TFrmMain;

// Makes "송.수신", "송신", "수신" and "재수신" open the send/receive window in their mode
// (3, 1, 2, 4; the main window runs its pre-send checks first), modally on the data module;
// the window is destroyed when it closes. "통신환경설정" (and its tool-bar button) opens the EDI
// component's own settings dialog; after a save the working folders follow the new settings.
void WireExchangeCommands(TFrmMain& main);

}  // namespace selvane
