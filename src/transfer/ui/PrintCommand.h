// The main window's "출력": the selection window of the payment statement.
#pragma once

namespace selvane {

class TFrmMain;

// Enables "출력" and makes it open the selection window modally on the data module; the window
// is destroyed when it closes.
void WirePrintCommand(TFrmMain& main);

}  // namespace selvane
