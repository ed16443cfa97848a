// A one-line input dialog: a label above the input and the buttons OK (default) and cancel. It
// checks the input on OK (empty, length in bytes, comparison with an expected value) and counts
// failed attempts; the start password prompt is one of its uses.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace selvane {

// Shows mask for every typed character of edit; '\0' shows the text itself.
void SetPasswordMask(QLineEdit& edit, char mask);

class TfrmUserInput : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmUserInput(QWidget* parent = nullptr);

  void SetCaption(const std::string& caption);
  void SetLabelText(const std::string& text);
  // The character shown for each typed one; '\0' shows the text itself.
  void SetMaskChar(char mask);
  void SetAllowEmpty(bool allowEmpty) { allowEmpty_ = allowEmpty; }
  // Length in CP949 bytes the input must have; 0 means any length.
  void SetRequiredLength(int length) { requiredLength_ = length; }
  // When compare is set, only the expected value (exact, case-sensitive) passes.
  void SetCompare(bool compare, const std::string& expected = {});
  // Failed attempts after which the dialog ends with the cancel result.
  void SetMaxAttempts(int attempts) { maxAttempts_ = attempts; }

  std::string Text() const;
  int FailureCount() const { return failures_; }

  QLabel* LblPrompt;
  QLineEdit* EdtInput;
  QPushButton* BtnOk;
  QPushButton* BtnCancel;

 private:
  void BtnOkClick();

  std::string labelText_;
  bool allowEmpty_ = true;
  int requiredLength_ = 0;
  bool compare_ = false;
  std::string expected_;
  int maxAttempts_ = 0;
  int failures_ = 0;
};

}  // namespace selvane
