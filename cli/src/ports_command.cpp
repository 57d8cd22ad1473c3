// zavdiag ports: the serial ports as the port options window lists them,
// with the current port marked.
#include "zav/app/arguments.h"
#include "zav/app/current_port.h"
#include "zav/app/port_list.h"
#include "zav/cli/subcommand.h"

namespace zav::cli {
namespace {

int RunPorts(Invocation& invocation) {
    QString error;
    if (!app::NoArgumentsLeft(invocation.arguments, &error)) {
        return RefuseArguments("ports", error);
    }
    app::PortList list;
    const int current = app::CurrentPort();
    app::FillPortList(list, current);
    for (qsizetype i = 0; i < list.entries.size(); ++i) {
        const bool isCurrent = current > 0 && i == list.selected;
        PrintLine((isCurrent ? QStringLiteral("* ") : QStringLiteral("  ")) + list.entries[i]);
    }
    return kExitPassed;
}

}  // namespace

ZAVDIAG_SUBCOMMAND(ports, {"ports", "ports",
                           "list the serial ports as the port options do; * marks the current "
                           "port",
                           &RunPorts});

}  // namespace zav::cli
