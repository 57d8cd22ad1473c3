#include "zav/app/ram_download.h"

#include <QCoreApplication>

#include "zav/app/global.h"
#include "zav/app/link_api.h"
#include "zav/app/messages.h"
#include "zav/app/program_directory.h"

namespace zav::app {
namespace {

constexpr int kTextRamFileError = 82;  // "Error with RAM file "

struct DownloadError {
    std::int32_t code;
    const char* text;
};

constexpr DownloadError kDownloadErrors[] = {
    {0x100001, "OPEN_FILE_ERROR"},      {0x100002, "READ_FILE_ERROR"},
    {0x100003, "NOT_ZAV_FILE"},         {0x100004, "PORT_OPEN_FAIL"},
    {0x100005, "SYNC_CONNECTION_FAIL"}, {0x100006, "SECURITY_PROTECTED_FILE"},
    {0x100010, "DATA_TRANSFER_FAIL"},   {0x100011, "PROG_COMMAND_FAIL"},
    {0x100012, "HEADER_FAIL"},          {0x100013, "PROG_STATUS_FAIL"},
    {0x100014, "PROG_RESET_FAIL"},      {0x100015, "DOWNLOAD_NOT_ALLOWED"},
};

constexpr const char* kModelsWithRamUtility[] = {"RX3", "RX5", "RX8", "TM6", "TM4", "TM5", "TM3"};

}  // namespace

QString DownloadErrorText(std::int32_t code) {
    for (const auto& error : kDownloadErrors) {
        if (error.code == code) return QString::fromLatin1(error.text);
    }
    return QStringLiteral("UNKNOWN ERROR");
}

QString RamUtilityFileName(const QString& unitType) {
    for (const char* model : kModelsWithRamUtility) {
        if (unitType == QLatin1String(model)) return unitType + QStringLiteral("_ram_ut.rx1");
    }
    return QString();
}

std::int32_t DownloadRamUtility(const ValidatorData& data, std::int16_t port,
                                RamDownloadPoll& poll) {
    const QString fileName = RamUtilityFileName(data.UnitType);
    return StartRamFileDownload(fileName.isEmpty() ? QString() : ProgramFilePath(fileName), port,
                                poll);
}

std::int32_t StartRamFileDownload(const QString& fileName, std::int16_t port,
                                  RamDownloadPoll& poll) {
    Link().OpenPort(port);
    QCoreApplication::processEvents();
    const std::int32_t result = Link().DownloadRamFile(fileName.toLocal8Bit().constData(), port);
    if (result <= kDownloadComplete) {
        poll.start();
    } else {
        showMessage(Global::LangText(kTextRamFileError) + DownloadErrorText(result));
    }
    return result;
}

}  // namespace zav::app
