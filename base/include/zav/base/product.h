#pragma once
// The program's identity: product name (message box titles, settings
// scope) and version.
#include <QString>

namespace zav::base {

// Title of every message box and the settings' organisation and application.
QString productName();

struct ProgramVersion {
    int major;
    int minor;
    int revision;
};
ProgramVersion programVersion();

}  // namespace zav::base
