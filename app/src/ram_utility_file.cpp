#include "zav/app/ram_utility_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ZavtekVLP.h"
#include "zav/base/product.h"
#include "zav/base/program_directory.h"
#include "zav/platform/device_kind.h"
#include "zav/platform/ports.h"
#include "zav/sim/stand_in_image.h"

namespace zav::app {
namespace {

QString withSeparator(QString folder) {
    if (!folder.endsWith(u'/')) folder += u'/';
    return folder;
}

// "A", "A and in B", "A, in B and in C".
QString folderList(const QStringList& folders, const QString& lastJoin) {
    QString text;
    for (qsizetype i = 0; i < folders.size(); ++i) {
        if (i > 0) text += (i + 1 == folders.size()) ? lastJoin : QStringLiteral(", in ");
        text += folders[i];
    }
    return text;
}

QStringList realFolders() {
    return {withSeparator(base::ProgramDirectory()), UserRamUtilityFolder()};
}

QString portText(std::int16_t port) {
    const std::string device = platform::port_device_path(port);
    return QStringLiteral("COM%1 (%2)")
        .arg(port)
        .arg(device.empty() ? QStringLiteral("no device") : QFile::decodeName(device.c_str()));
}

bool isStandIn(QFile& file) {
    const QByteArray start = file.read(static_cast<qint64>(sim::kStandInMarkerEnd));
    return sim::is_stand_in_image({reinterpret_cast<const std::uint8_t*>(start.constData()),
                                   static_cast<std::size_t>(start.size())});
}

}  // namespace

QString UserRamUtilityFolder() {
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return withSeparator(dataHome) + base::productName() + u'/';
}

QString StandInFolder() {
    return withSeparator(base::ProgramDirectory()) + QStringLiteral("simulator/");
}

bool PortIsSimulated(std::int16_t port) {
    return platform::is_pseudo_terminal(platform::port_device_path(port));
}

QStringList RamUtilityFolders(std::int16_t port) {
    QStringList folders = realFolders();
    if (PortIsSimulated(port)) folders << StandInFolder();
    return folders;
}

RamFileChoice FindRamUtilityFile(const QString& fileName, std::int16_t port) {
    const QStringList folders = RamUtilityFolders(port);
    for (const QString& folder : folders) {
        const QFileInfo entry(folder + fileName);
        // A dangling link is found too, so its check names it.
        if (entry.exists() || entry.isSymLink()) return {entry.filePath(), std::nullopt};
    }
    return {QString(),
            RamFileRefusal{ZAV_DOWNLOAD_OPEN_FILE_ERROR,
                           QStringLiteral("Looked for %1 in %2.")
                               .arg(fileName, folderList(folders, QStringLiteral(" and in ")))}};
}

std::optional<RamFileRefusal> CheckRamUtilityFile(const QString& path, std::int16_t port) {
    const QFileInfo info(path);
    if (!info.exists())
        return RamFileRefusal{ZAV_DOWNLOAD_OPEN_FILE_ERROR,
                              QStringLiteral("%1 cannot be opened.").arg(path)};
    if (info.isDir())
        return RamFileRefusal{ZAV_DOWNLOAD_READ_FILE_ERROR,
                              QStringLiteral("%1 is a folder, not a RAM-utility file.").arg(path)};
    // A device or a pipe (a link to /dev/zero, say) might never end.
    if (!info.isFile())
        return RamFileRefusal{ZAV_DOWNLOAD_READ_FILE_ERROR,
                              QStringLiteral("%1 is not a regular file.").arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return RamFileRefusal{
            ZAV_DOWNLOAD_OPEN_FILE_ERROR,
            QStringLiteral("%1 cannot be opened: %2.").arg(path, file.errorString())};
    if (isStandIn(file) && !PortIsSimulated(port))
        // Not a file of the maker's.
        return RamFileRefusal{
            ZAV_DOWNLOAD_NOT_ZAV_IMAGE,
            QStringLiteral("%1 is a stand-in image that only the simulator runs, and %2 is not a "
                           "simulated port, so nothing was sent. Put the maker's RAM-utility "
                           "file in %3.")
                .arg(path, portText(port), folderList(realFolders(), QStringLiteral(" or in ")))};
    return std::nullopt;
}

}  // namespace zav::app
