#pragma once
// Where the model's RAM-utility file is found, and the checks a file passes
// before it is sent. The maker's real files go in the program directory or in
// the user's data folder; the build's stand-in images, which only the
// simulator runs, live in the program directory's simulator/ folder, read
// only for a port that is a pseudo-terminal.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace zav::app {

// The user's folder for RAM-utility files, with a trailing '/':
// "$XDG_DATA_HOME/ZAV Diagnostics Tool/", where an unset or relative
// XDG_DATA_HOME counts as "$HOME/.local/share". Nothing here creates it.
QString UserRamUtilityFolder();

// The program directory's folder of stand-in images, with a trailing '/'.
QString StandInFolder();

// True when COM<port> resolves to a pseudo-terminal: a simulated unit.
bool PortIsSimulated(std::int16_t port);

// The folders searched for a RAM-utility file to send to `port`, in order:
// the program directory, the user's folder and, for a simulated port only,
// the stand-in folder.
QStringList RamUtilityFolders(std::int16_t port);

// Why a RAM-utility file is not sent: the download error code whose text
// follows text 82, and a second line saying what is wrong and where to look.
struct RamFileRefusal {
    std::int32_t code;
    QString reason;
};

struct RamFileChoice {
    QString path;  // the file found; empty with a refusal
    std::optional<RamFileRefusal> refusal;
};

// `fileName` in the first of RamUtilityFolders(port) that holds an entry of
// that name, whatever its kind (CheckRamUtilityFile judges it). When none
// does: OPEN_FILE_ERROR, and the reason names the folders looked in.
RamFileChoice FindRamUtilityFile(const QString& fileName, std::int16_t port);

// Checks a file just before it is sent to `port`: it must be a regular file
// (links followed) that can be opened, and a stand-in image only ever goes
// to a simulated port. Nothing when it may be sent.
std::optional<RamFileRefusal> CheckRamUtilityFile(const QString& path, std::int16_t port);

}  // namespace zav::app
