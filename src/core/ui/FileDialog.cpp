#include "core/ui/FileDialog.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QStringList>

namespace selvane {
namespace {

TFileDialogAnswer& Answer() {
  static TFileDialogAnswer answer;
  return answer;
}

// Swallows mouse events while installed.
class TMouseSwallower : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

void SetFileDialogAnswer(TFileDialogAnswer answer) {
  Answer() = std::move(answer);
}

QString QtFileFilter(const QString& filter) {
  QStringList parts = filter.split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
      if (pattern == "*.*") {
        patterns << "*";
        continue;
      }
      // Names on disk keep their case; the extension is meant in either.
      patterns << pattern.toLower();
      if (pattern.toUpper() != pattern.toLower()) patterns << pattern.toUpper();
    }
    patterns.removeDuplicates();
    QString description = parts[i];
    int open = description.indexOf(" (");
    if (open >= 0) description.truncate(open);
    entries << description + " (" + patterns.join(' ') + ")";
  }
  return entries.join(";;");
}

QString OpenFileDialog(QWidget* parent, const QString& title, const QString& filter,
                       const QString& folder) {
  QString chosen;
  if (Answer()) {
    chosen = Answer()(title, filter).value_or(QString());
  } else {
    chosen = QFileDialog::getOpenFileName(parent, title, folder, QtFileFilter(filter));
  }
  FlushMouseInput();
  return chosen;
}

QString FolderDialog(QWidget* parent, const QString& title) {
  QString chosen;
  if (Answer()) {
    chosen = Answer()(title, QString()).value_or(QString());
  } else {
    chosen = QFileDialog::getExistingDirectory(parent, title, QString(), QFileDialog::ShowDirsOnly);
  }
  FlushMouseInput();
  return chosen;
}

void FlushMouseInput() {
  if (QCoreApplication::instance() == nullptr) return;
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                    QEvent::MouseButtonDblClick, QEvent::MouseMove})
    QCoreApplication::removePostedEvents(nullptr, type);
  TMouseSwallower swallower;
  qApp->installEventFilter(&swallower);
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  qApp->removeEventFilter(&swallower);
}

}  // namespace selvane
