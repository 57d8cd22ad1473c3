#include "zav/cli/subcommand.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace zav::cli {
namespace {

// Filled while the program's static objects are made, before main.
std::vector<Subcommand>& Registry() {
    static std::vector<Subcommand> registry;
    return registry;
}

}  // namespace

bool RegisterSubcommand(const Subcommand& command) {
    if (!FindSubcommand(QString::fromLatin1(command.name))) Registry().push_back(command);
    return true;
}

const Subcommand* FindSubcommand(const QString& name) {
    for (const Subcommand& command : Registry()) {
        if (name == QLatin1String(command.name)) return &command;
    }
    return nullptr;
}

std::vector<Subcommand> AllSubcommands() {
    std::vector<Subcommand> all = Registry();
    std::sort(all.begin(), all.end(), [](const Subcommand& a, const Subcommand& b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    return all;
}

int ExitStatus(bool passed, const app::ValidatorData& unit) {
    if (passed) return kExitPassed;
    const bool identified = unit.SensorCount > 0 &&
                            unit.SensorName.size() == static_cast<std::size_t>(unit.SensorCount);
    return identified ? kExitFailed : kExitCouldNotRun;
}

int RefuseArguments(const char* name, const QString& why) {
    PrintError(QStringLiteral("zavdiag %1: %2").arg(QLatin1String(name), why));
    if (const Subcommand* command = FindSubcommand(QLatin1String(name))) {
        PrintError(QCoreApplication::translate("zav", "Usage: zavdiag %1")
                       .arg(QString::fromUtf8(command->synopsis)));
    }
    return kExitCouldNotRun;
}

}  // namespace zav::cli
