// The NongHyup transfer-status window: a web page of the transfer-status server for the EDI user
// of this office, filling the window. It is shown without modality, several may be open at once,
// and each destroys itself when it closes.
#pragma once

#include <QWidget>

class QWebEngineView;

namespace selvane {

class TFrmNhStatus : public QWidget {
  Q_OBJECT

 public:
  // Reads the EDI user ID. Without one it says so and asks itself to close; otherwise the page
  // is requested as soon as the window exists.
  explicit TFrmNhStatus(QWidget* parent = nullptr);

  QWebEngineView* Browser = nullptr;

 private:
  void FormCreate();
};

// "농협이체상황조회": only for offices with an institution of NongHyup (11 or 12); opens a new
// transfer-status window and returns it (nullptr after the message that says why not).
TFrmNhStatus* ShowNhStatus();

}  // namespace selvane
