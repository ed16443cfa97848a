// The about box "프로그램정보": the program icon, the product line and its remark.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace selvane {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Comments;
  QPushButton* OKButton;
};

}  // namespace selvane
