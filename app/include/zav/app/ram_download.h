#pragma once
// Loading the RAM utility into the validator: the file for the unit's model,
// the start of the transfer, and the texts of the download error codes. The
// link library runs the transfer on its own thread; a RamDownloadPoll follows
// it.
#include <QString>
#include <cstdint>

#include "zav/app/ram_download_poll.h"
#include "zav/app/validator_data.h"

namespace zav::app {

// The fixed English text of a download error code: "OPEN_FILE_ERROR" for
// ZAV_DOWNLOAD_OPEN_FILE_ERROR to "DOWNLOAD_NOT_ALLOWED" for
// ZAV_DOWNLOAD_NOT_ALLOWED; "UNKNOWN ERROR" for any other value.
QString DownloadErrorText(std::int32_t code);

// The RAM utility file of a unit type ("TM3" gives "TM3_ram_ut.rx1"); the
// comparison is exact and case-sensitive. Empty for a type without one.
QString RamUtilityFileName(const QString& unitType);

// Starts the download of the file for `data.UnitType`, found by
// FindRamUtilityFile, as StartRamFileDownload, and returns its start result;
// a type without a file gives an empty name, which the link library refuses.
// When no folder holds the file, text 82 with "OPEN_FILE_ERROR" is shown, the
// folders looked in on a second line, nothing is sent, and that code is
// returned.
std::int32_t DownloadRamUtility(const ValidatorData& data, std::int16_t port,
                                RamDownloadPoll& poll);

// CheckRamUtilityFile first (a name that is not empty): a refused file shows
// text 82 with the refusal's code text and its reason on a second line,
// nothing is sent, and the refusal's code is returned. Then OpenPort (its
// result is not used: the port may still be open from the command layer) and
// DownloadRamFile. A start result of ZAV_DOWNLOAD_DONE or less starts `poll`; anything
// else shows text 82 followed by DownloadErrorText (warning) and leaves the
// poll stopped. Returns the start result: the number of blocks the transfer
// sends, or the error code.
std::int32_t StartRamFileDownload(const QString& fileName, std::int16_t port,
                                  RamDownloadPoll& poll);

}  // namespace zav::app
