// Driving modal windows in tests: exec() blocks the test, so the steps run from zero-delay
// timers inside the window's own event loop.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

class QMessageBox;

namespace selvane::test {

// Shows dialog modally and, once its event loop runs, calls drive. A dialog that drive leaves
// open fails the test and is rejected, so that a faulty test ends instead of hanging. Returns
// the dialog's result.
int ExecDriven(QDialog& dialog, const std::function<void(QDialog&)>& drive);

// Ends a modal window that a failed step left open.
void CloseModal(QWidget& window);

// Calls drive with the next modal window of type T that the code under test opens (a message
// box shown from inside a routine). Polls briefly; fails the test when none appears, and when
// drive leaves it open (it is then closed).
template <class T>
void WhenModal(std::function<void(T&)> drive, int triesLeft = 300) {
  QTimer::singleShot(triesLeft == 300 ? 0 : 10, [drive = std::move(drive), triesLeft]() mutable {
    T* window = qobject_cast<T*>(QApplication::activeModalWidget());
    if (window == nullptr || !window->isVisible()) {
      if (triesLeft > 0) {
        WhenModal<T>(std::move(drive), triesLeft - 1);
      } else {
        QTest::qFail("no modal window appeared", __FILE__, __LINE__);
      }
      return;
    }
    QPointer<T> guard(window);
    drive(*window);
    if (guard && guard->isVisible()) {
      QTest::qFail("the modal window was left open", __FILE__, __LINE__);
      CloseModal(*guard);
    }
  });
}

// Clicks the message box's button with that role (Yes, No, Ok, Cancel, ...).
void ClickBoxButton(QMessageBox& box, int standardButton);

}  // namespace selvane::test
