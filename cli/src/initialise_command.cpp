// zavdiag initialise: the validator's own initialisation and calibration as
// the initialise window runs it, with each sensor's status shown as it
// changes and the whole table at the end.
#include <QCoreApplication>
#include <chrono>
#include <vector>

#include "zav/app/current_port.h"
#include "zav/cli/command_target.h"
#include "zav/cli/subcommand.h"
#include "zav/controls/initialise_session.h"
#include "zav/history/recording.h"

namespace zav::cli {
namespace {

QString RowLine(const controls::SensorStatusRow& row) {
    return QCoreApplication::translate("zav", "%1 %2 gains %3/%4")
        .arg(row.sensor.leftJustified(20))
        .arg(row.status.leftJustified(28))
        .arg(row.gain1, 3)
        .arg(row.gain2, 3);
}

// Prints each row whose status or gains changed since it was last printed.
class LiveTable {
  public:
    void update(const std::vector<controls::SensorStatusRow>& rows) {
        shown_.resize(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const QString line = RowLine(rows[i]);
            if (rows[i].status.isEmpty() || line == shown_[i]) continue;
            shown_[i] = line;
            PrintLine(line);
        }
    }

  private:
    std::vector<QString> shown_;
};

int RunInitialise(Invocation& invocation) {
    CommandTarget target;
    if (!target.Open("initialise", invocation.arguments, Channels::Link)) return kExitCouldNotRun;
    controls::InitialiseSession session(app::CurrentPort(), app::kProgramTick, invocation.frontEnd);
    LiveTable live;
    QObject::connect(&session, &controls::InitialiseSession::changed,
                     [&] { live.update(session.rows()); });
    {
        // Ctrl-C ends the run as closing the window does.
        const InterruptHandler interrupt(invocation.interruption, [&] { session.requestClose(); });
        session.start();
    }
    const bool complete = session.completed();
    history::RecordRun(history::FromInitialisation(session));

    PrintLine();
    PrintLine(session.caption());
    for (const controls::SensorStatusRow& row : session.rows()) PrintLine(RowLine(row));
    session.requestClose();
    if (invocation.interruption.interrupted())
        return invocation.interruption.EndInterrupted("initialise");
    return ExitStatus(complete, session.validator());
}

}  // namespace

ZAVDIAG_SUBCOMMAND(initialise,
                   {"initialise", "initialise [--port N | --simulate MODEL [--fault F]...]",
                    QT_TRANSLATE_NOOP("zav",
                                      "run the unit's initialisation and calibration; show "
                                      "each sensor's status"),
                    &RunInitialise});

}  // namespace zav::cli
