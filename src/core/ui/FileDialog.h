// The file dialogs of the program go through here, so that tests can answer them, and the mouse
// input that a closing dialog leaves behind is dropped.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace selvane {

// Answers an open-file dialog instead of showing it: the chosen file, or nullopt for cancel. A
// folder dialog is answered by it too, with an empty filter.
using TFileDialogAnswer =
    std::function<std::optional<QString>(const QString& title, const QString& filter)>;

// Installs the answerer (an empty one shows the real dialog again).
void SetFileDialogAnswer(TFileDialogAnswer answer);

// The Qt form of a filter written as "description|patterns|description|patterns"; "*.*" stands
// for every file, with or without a dot in its name.
QString QtFileFilter(const QString& filter);

// Shows an open-file dialog (in folder, when one is given); the chosen file, or an empty text
// when cancelled. The mouse input queued while it was open is dropped before it returns.
QString OpenFileDialog(QWidget* parent, const QString& title, const QString& filter,
                       const QString& folder = QString());

// Shows a folder dialog, folders of the file system only; the chosen folder, or an empty text
// when cancelled.
QString FolderDialog(QWidget* parent, const QString& title);

// Drops every pending mouse event, so that the double click that closed a dialog does not reach
// the window underneath.
void FlushMouseInput();

}  // namespace selvane
