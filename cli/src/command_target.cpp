#include "zav/cli/command_target.h"

#include "zav/app/arguments.h"
#include "zav/app/current_port.h"
#include "zav/app/port_access_text.h"
#include "zav/app/ram_channel.h"
#include "zav/cli/printing_front_end.h"
#include "zav/cli/subcommand.h"

namespace zav::cli {

CommandTarget::CommandTarget() = default;

CommandTarget::~CommandTarget() {
    // A port that could be opened may have gone with its unit (an adaptor
    // pulled out): the last line says so.
    if (!opened_) return;
    if (const QString problem = app::portProblem(app::CurrentPort()); !problem.isEmpty()) {
        PrintError(problem);
    }
}

bool CommandTarget::Open(const char* command, QStringList& arguments, Channels channels) {
    QString error;
    if (!unit_.TakeOptions(arguments, &error) || !app::NoArgumentsLeft(arguments, &error)) {
        RefuseArguments(command, error);
        return false;
    }
    if (!unit_.Connect(&error)) {
        PrintError(QStringLiteral("zavdiag %1: %2").arg(QLatin1String(command), error));
        return false;
    }
    if (const QString notice = unit_.ConnectionNotice(); !notice.isEmpty()) PrintError(notice);
    const int port = app::CurrentPort();
    if (channels == Channels::RamUtility && port > app::kHighestRamChannelPort) {
        PrintError(QStringLiteral("zavdiag %1: COM%2 cannot carry the RAM utility, whose channel "
                                  "reaches COM1 to COM%3 only; give a port of 1 to %3")
                       .arg(QLatin1String(command))
                       .arg(port)
                       .arg(app::kHighestRamChannelPort));
        return false;
    }
    // A port that cannot be opened would fail every request of the command:
    // one line says why instead.
    if (const QString problem = app::portProblem(port); !problem.isEmpty()) {
        PrintError(problem);
        return false;
    }
    opened_ = true;
    return true;
}

}  // namespace zav::cli
