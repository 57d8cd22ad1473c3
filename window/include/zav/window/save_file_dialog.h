#pragma once
// The save dialog of every window that writes a file the user names (the
// diagnostic results, reports): Qt's own file dialog, opened without
// blocking the caller.
#include <QString>
#include <QStringList>
#include <functional>

class QFileDialog;
class QWidget;

namespace zav::window {

struct SaveFileRequest {
    QString title;
    QStringList nameFilters;  // the first is selected at first
    QString fileName;         // proposed in `folder`
    QString folder;           // where the dialog opens (see proposedFolder)
};

// Opens the dialog, window-modal over `parent`, and returns at once. The
// dialog asks before it takes an existing file; a name typed without an
// extension gets the selected "*.ext" filter's. Once the user has chosen,
// `chosen` gets the path and the selected name filter; Cancel calls
// nothing. The dialog deletes itself when it closes; it is returned so
// tests can fill it in.
QFileDialog* askSaveFileName(
    QWidget* parent, const SaveFileRequest& request,
    std::function<void(const QString& path, const QString& filter)> chosen);

// A folder that exists to propose for a new file: that of `lastPath` when
// it still exists, else the user's documents folder when there is one, else
// the home folder (an account without a desktop session's folders has no
// Documents).
QString proposedFolder(const QString& lastPath);

}  // namespace zav::window
