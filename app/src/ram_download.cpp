#include "zav/app/ram_download.h"

#include <QCoreApplication>

#include "zav/app/global.h"
#include "zav/app/link_api.h"
#include "zav/app/model_table.h"
#include "zav/app/ram_utility_file.h"
#include "zav/base/messages.h"
#include "zav/lang/text_ids.h"

namespace zav::app {
namespace {

struct DownloadError {
    std::int32_t code;
    const char* text;
};

constexpr DownloadError kDownloadErrors[] = {
    {ZAV_DOWNLOAD_OPEN_FILE_ERROR, "OPEN_FILE_ERROR"},
    {ZAV_DOWNLOAD_READ_FILE_ERROR, "READ_FILE_ERROR"},
    {ZAV_DOWNLOAD_NOT_ZAV_IMAGE, "NOT_ZAV_FILE"},
    {ZAV_DOWNLOAD_PORT_OPEN_FAIL, "PORT_OPEN_FAIL"},
    {ZAV_DOWNLOAD_SYNC_FAIL, "SYNC_CONNECTION_FAIL"},
    {ZAV_DOWNLOAD_PROTECTED_IMAGE, "SECURITY_PROTECTED_FILE"},
    {ZAV_DOWNLOAD_TRANSFER_FAIL, "DATA_TRANSFER_FAIL"},
    {ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL, "PROG_COMMAND_FAIL"},
    {ZAV_DOWNLOAD_HEADER_FAIL, "HEADER_FAIL"},
    {ZAV_DOWNLOAD_END_COMMAND_FAIL, "PROG_STATUS_FAIL"},
    {ZAV_DOWNLOAD_RESET_FAIL, "PROG_RESET_FAIL"},
    {ZAV_DOWNLOAD_NOT_ALLOWED, "DOWNLOAD_NOT_ALLOWED"},
};

// Text 82 with the code's text, as a refused start shows it, and the reason
// on a second line.
void showRefusal(const RamFileRefusal& refusal) {
    base::showMessage(Global::LangText(lang::text::kRamFileError) +
                      DownloadErrorText(refusal.code) + u'\n' + refusal.reason);
}

}  // namespace

QString DownloadErrorText(std::int32_t code) {
    for (const auto& error : kDownloadErrors) {
        if (error.code == code) return QString::fromLatin1(error.text);
    }
    return QStringLiteral("UNKNOWN ERROR");
}

QString RamUtilityFileName(const QString& unitType) {
    if (!FindModel(unitType)) return QString();
    return unitType + QStringLiteral("_ram_ut.rx1");
}

std::int32_t DownloadRamUtility(const ValidatorData& data, std::int16_t port,
                                RamDownloadPoll& poll) {
    const QString fileName = RamUtilityFileName(data.UnitType);
    // A type without a file goes on with an empty name, which the link
    // library refuses as a file it cannot open.
    if (fileName.isEmpty()) return StartRamFileDownload(QString(), port, poll);
    const RamFileChoice file = FindRamUtilityFile(fileName, port);
    if (file.refusal) {
        showRefusal(*file.refusal);
        return file.refusal->code;
    }
    return StartRamFileDownload(file.path, port, poll);
}

std::int32_t StartRamFileDownload(const QString& fileName, std::int16_t port,
                                  RamDownloadPoll& poll) {
    if (!fileName.isEmpty()) {
        if (const auto refusal = CheckRamUtilityFile(fileName, port)) {
            showRefusal(*refusal);
            return refusal->code;
        }
    }
    Link().OpenPort(port);
    QCoreApplication::processEvents();
    const std::int32_t result = Link().DownloadRamFile(fileName.toLocal8Bit().constData(), port);
    if (result <= ZAV_DOWNLOAD_DONE) {
        poll.start();
    } else {
        base::showMessage(Global::LangText(lang::text::kRamFileError) + DownloadErrorText(result));
    }
    return result;
}

}  // namespace zav::app
