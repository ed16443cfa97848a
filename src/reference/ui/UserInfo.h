// The password window "사용자비밀번호": the start password changed after the current one is
// given. The window keeps the password it expects; after a change that is the new password, so
// a second change in the same opening works.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace selvane {

class TFrmUser : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmUser(QWidget* parent = nullptr);

  QLineEdit* Edit1;      // "기존비밀번호:"
  QLineEdit* Edit2;      // "새  비밀번호:"
  QLineEdit* Edit3;      // "확인 비밀번호:"
  QPushButton* Button1;  // "확인"
  QPushButton* Button2;  // "종료"

  // The expected current password: the stored one, read when the window is shown.
  void FormShow();
  // Leaving the confirmation: a warning when it differs from the new password.
  void Edit3Exit();
  // OK: the current password checked, then the new one stored after a question.
  void Button1Click();
  void Button2Click();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::string expected_;
  bool expectedKnown_ = false;  // false when the stored password cannot be read
};

}  // namespace selvane
