#include "zav/cli/command_target.h"

#include <QCoreApplication>

#include "zav/app/arguments.h"
#include "zav/app/current_port.h"
#include "zav/app/port_access_text.h"
#include "zav/app/ram_channel.h"
#include "zav/cli/printing_front_end.h"
#include "zav/cli/subcommand.h"

namespace zav::cli {

QString RamChannelPortRule() {
    return QCoreApplication::translate(
               "zav",
               "the port number must be 1 to %1, as the RAM utility's channel "
               "reaches no higher")
        .arg(app::kHighestRamChannelPort);
}

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
    // A command on the RAM utility's channel takes fewer ports than the
    // port list names; its one rule is said for any --port it cannot take.
    if (channels == Channels::RamUtility) {
        QStringList peek = arguments;
        const auto port = app::TakeValue(peek, QStringLiteral("--port"), &error);
        if (port && !app::ParseInteger(*port, 1, app::kHighestRamChannelPort)) {
            RefuseArguments(command, RamChannelPortRule());
            return false;
        }
    }
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
        PrintError(QCoreApplication::translate("zav", "zavdiag %1: the stored port is COM%2; %3")
                       .arg(QLatin1String(command))
                       .arg(port)
                       .arg(RamChannelPortRule()));
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
