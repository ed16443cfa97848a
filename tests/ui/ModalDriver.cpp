#include "ModalDriver.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

namespace selvane::test {

int ExecDriven(QDialog& dialog, const std::function<void(QDialog&)>& drive) {
  QTimer::singleShot(0, &dialog, [&dialog, &drive] {
    drive(dialog);
    if (dialog.isVisible()) {
      QTest::qFail("the dialog was left open", __FILE__, __LINE__);
      CloseModal(dialog);
    }
  });
  return dialog.exec();
}

void CloseModal(QWidget& window) {
  if (auto* dialog = qobject_cast<QDialog*>(&window)) {
    dialog->done(QDialog::Rejected);
  } else {
    window.close();
  }
}

void ClickBoxButton(QMessageBox& box, int standardButton) {
  QAbstractButton* button = box.button(static_cast<QMessageBox::StandardButton>(standardButton));
  if (button == nullptr) {
    QTest::qFail("the message box has no such button", __FILE__, __LINE__);
    box.reject();
    return;
  }
  QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace selvane::test
