#include "core/ui/WaitMsg.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace selvane {
namespace {

void ProcessPendingEvents() {
  QCoreApplication::processEvents();
}

// Message texts break lines with CR LF or a lone CR; the box wants plain line feeds.
QString BoxText(const std::string& message) {
  QString text = QString::fromStdString(message);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QMessageBox::StandardButton RunBox(QMessageBox::Icon icon, const QString& caption,
                                   const std::string& message, QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, caption, BoxText(message), buttons);
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString ProgramTitle() {
  return QString::fromUtf8(kProgramTitle);
}

struct TButtonPair {
  unsigned Button;
  QMessageBox::StandardButton Standard;
  int Result;
};

constexpr TButtonPair kButtons[] = {
    {mbYes, QMessageBox::Yes, mrYes},
    {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},
    {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},
    {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore},
};

}  // namespace

TfrmWaitMsg::TfrmWaitMsg()
    : QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("frmWaitMsg");
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);

  ImgIcon = new QLabel(this);
  ImgIcon->setObjectName("ImgIcon");
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_ComputerIcon);
  ImgIcon->setPixmap(icon.pixmap(32, 32));
  ImgIcon->setAlignment(Qt::AlignTop);

  LblMessage = new QLabel(QString::fromUtf8("지금 처리중입니다"), this);
  LblMessage->setObjectName("LblMessage");
  LblMessage->setWordWrap(true);
  LblMessage->setMinimumWidth(260);

  LblPercent = new QLabel(QStringLiteral("0 %"), this);
  LblPercent->setObjectName("LblPercent");
  LblPercent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName("ProgressBar");
  ProgressBar->setTextVisible(false);
  ProgressBar->setFixedHeight(8);

  auto* right = new QVBoxLayout;
  right->addWidget(LblMessage);
  right->addWidget(LblPercent);
  right->addWidget(ProgressBar);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(12, 10, 12, 10);
  layout->setSpacing(10);
  layout->addWidget(ImgIcon);
  layout->addLayout(right, 1);

  LblPercent->hide();
  ProgressBar->hide();
  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    resize(qMax(width(), 320), height());
    move(area.center() - rect().center());
  }
}

void TfrmWaitMsg::SetMessage(const std::string& message, bool centred) {
  LblMessage->setText(QString::fromStdString(message));
  LblMessage->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
  if (centred) {
    ProgressBar->hide();
    LblPercent->hide();
  }
}

void TfrmWaitMsg::StartProgress(int minimum, int maximum, bool countMode) {
  minimum_ = minimum;
  maximum_ = maximum;
  position_ = minimum;
  countMode_ = countMode;
  // An empty range would turn the bar into a busy indicator.
  if (maximum > minimum) {
    ProgressBar->setRange(minimum, maximum);
  } else {
    ProgressBar->setRange(0, 1);
  }
  ProgressBar->setValue(ProgressBar->minimum());
  LblPercent->setText(
      countMode ? QString::fromStdString(std::to_string(minimum) + "/" + std::to_string(maximum))
                : QStringLiteral("0 %"));
  ProgressBar->show();
  LblPercent->show();
}

void TfrmWaitMsg::Step() {
  // The bar stops at its maximum, and so does the position the label reads.
  if (position_ < maximum_) ++position_;
  ShowPosition();
}

void TfrmWaitMsg::ShowPosition() {
  if (maximum_ > minimum_) ProgressBar->setValue(position_);
  LblPercent->setText(QString::fromStdString(WaitProgressLabel(position_, maximum_, countMode_)));
}

void TfrmWaitMsg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    event->accept();
  }
}

void TfrmWaitMsg::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) {
    move(event->globalPosition().toPoint() - dragOffset_);
    event->accept();
  }
}

TQtWaitMsg::~TQtWaitMsg() {
  delete frmWaitMsg_.data();
}

TfrmWaitMsg& TQtWaitMsg::Window() {
  if (frmWaitMsg_.isNull()) frmWaitMsg_ = new TfrmWaitMsg;
  return *frmWaitMsg_;
}

void TQtWaitMsg::ShowWait(const std::string& message) {
  TfrmWaitMsg& window = Window();
  window.SetMessage(message, true);
  if (!window.isVisible()) window.show();
  ProcessPendingEvents();
}

void TQtWaitMsg::ShowWaitProgress(const std::string& message, int minimum, int maximum,
                                  bool countMode) {
  TfrmWaitMsg& window = Window();
  window.SetMessage(message, false);
  window.StartProgress(minimum, maximum, countMode);
  if (!window.isVisible()) window.show();
  ProcessPendingEvents();
}

void TQtWaitMsg::StepWaitProgress() {
  if (frmWaitMsg_) frmWaitMsg_->Step();
  ProcessPendingEvents();
}

void TQtWaitMsg::HideWait() {
  if (frmWaitMsg_) frmWaitMsg_->hide();
  ProcessPendingEvents();
}

void TQtWaitMsg::RestoreWait() {
  if (frmWaitMsg_ && !frmWaitMsg_->isVisible()) frmWaitMsg_->show();
  ProcessPendingEvents();
}

void TQtWaitMsg::CloseWait() {
  delete frmWaitMsg_.data();
  frmWaitMsg_ = nullptr;
  while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
  ProcessPendingEvents();
}

void TQtWaitMsg::MessageBox(TMsgKind kind, const std::string& message, const std::string& caption) {
  CloseWait();
  const QMessageBox::Icon icon = kind == TMsgKind::Info      ? QMessageBox::Information
                                 : kind == TMsgKind::Warning ? QMessageBox::Warning
                                                             : QMessageBox::Critical;
  RunBox(icon, QString::fromStdString(caption), message, QMessageBox::Ok, QMessageBox::Ok);
  ProcessPendingEvents();
}

bool TQtWaitMsg::ConfirmBox(const std::string& message, bool defaultIsYes) {
  HideWait();
  auto pressed =
      RunBox(QMessageBox::Question, ProgramTitle(), message, QMessageBox::Yes | QMessageBox::No,
             defaultIsYes ? QMessageBox::Yes : QMessageBox::No);
  RestoreWait();
  return pressed == QMessageBox::Yes;
}

int TQtWaitMsg::AskBox(const std::string& message, unsigned buttons) {
  QMessageBox::StandardButtons standard;
  for (const auto& pair : kButtons)
    if (buttons & pair.Button) standard |= pair.Standard;
  if (standard == QMessageBox::NoButton) standard = QMessageBox::Ok;
  HideWait();
  auto pressed =
      RunBox(QMessageBox::Question, ProgramTitle(), message, standard, QMessageBox::NoButton);
  RestoreWait();
  for (const auto& pair : kButtons)
    if (pressed == pair.Standard) return pair.Result;
  return (buttons & mbCancel) ? mrCancel : mrNone;
}

bool TQtWaitMsg::YesNoBox(const std::string& message, const std::string& caption,
                          bool warningIcon) {
  HideWait();
  auto pressed = RunBox(warningIcon ? QMessageBox::Warning : QMessageBox::Question,
                        QString::fromStdString(caption), message,
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  RestoreWait();
  return pressed == QMessageBox::Yes;
}

}  // namespace selvane
