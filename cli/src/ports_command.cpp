// zavdiag ports: the serial ports as the port options window lists them,
// with the current port marked.
#include <QCoreApplication>

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
    const std::vector<platform::PortEntry> found = platform::discover_ports();
    app::FillPortList(list, current, found);
    // Finding none is an answer, not a failure to run: standard output
    // stays the list (empty, or the stored port alone) and the status 0.
    if (found.empty()) {
        PrintError(QCoreApplication::translate(
            "zav",
            "zavdiag ports: no serial port was found; plug in the "
            "adaptor (a USB one shows within seconds) or point a number "
            "at a device with ZAV_COM<n>"));
    }
    for (qsizetype i = 0; i < list.entries.size(); ++i) {
        const bool isCurrent = current > 0 && i == list.selected;
        PrintLine((isCurrent ? QStringLiteral("* ") : QStringLiteral("  ")) + list.entries[i]);
    }
    return kExitPassed;
}

}  // namespace

ZAVDIAG_SUBCOMMAND(ports, {"ports", "ports",
                           QT_TRANSLATE_NOOP("zav",
                                             "list the serial ports as the port options do; * "
                                             "marks the current port"),
                           &RunPorts});

}  // namespace zav::cli
