#include "zav/window/save_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace zav::window {

QFileDialog* askSaveFileName(
    QWidget* parent, const SaveFileRequest& request,
    std::function<void(const QString& path, const QString& filter)> chosen) {
    const QString folder = request.folder.isEmpty() ? proposedFolder({}) : request.folder;
    auto* dialog = new QFileDialog(parent, request.title, folder);
    dialog->setObjectName(QStringLiteral("saveFileDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The same dialog on every desktop and under test.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(request.nameFilters);
    // A name typed without an extension gets the selected filter's ("*.pdf"
    // gives ".pdf"), before the dialog asks about an existing file.
    const auto followFilter = [dialog](const QString& filter) {
        if (filter.startsWith(QLatin1String("*."))) dialog->setDefaultSuffix(filter.mid(2));
    };
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, followFilter);
    if (!request.nameFilters.isEmpty()) {
        dialog->selectNameFilter(request.nameFilters.first());
        followFilter(request.nameFilters.first());
    }
    dialog->selectFile(QDir(folder).filePath(request.fileName));
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [dialog, chosen = std::move(chosen)](const QString& path) {
                         chosen(path, dialog->selectedNameFilter());
                     });
    dialog->open();
    return dialog;
}

QString proposedFolder(const QString& lastPath) {
    if (!lastPath.isEmpty()) {
        const QFileInfo file(lastPath);
        if (file.dir().exists()) return file.absolutePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

}  // namespace zav::window
