// zavdiag program: a program image into the unit, as the program download
// window sends it: the file checked, the unit identified, the engineer's
// confirmation, the transfer with its progress, the unit identified again.
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cstdio>

#include "zav/app/arguments.h"
#include "zav/app/current_port.h"
#include "zav/cli/command_target.h"
#include "zav/cli/subcommand.h"
#include "zav/platform/system.h"
#include "zav/programming/programming_session.h"
#include "zav/unit/target_unit.h"

namespace zav::cli {
namespace {

using programming::Outcome;
using programming::ProgrammingSession;

constexpr char kCommand[] = "program";
constexpr int kBarWidth = 30;
constexpr int kPercentStep = 10;

// "TM0006 V0118" of "TM0006 V0118 TM6": the model code and version.
QString firmwareVersion(const QString& firmware) {
    return firmware.section(u' ', 0, 1);
}

// The bar on a terminal, redrawn in place; one line per tenth otherwise.
class ProgressPrinter {
  public:
    explicit ProgressPrinter(bool terminal) : terminal_(terminal) {}

    void show(const programming::Progress& p) {
        const int total = std::max(p.blocksTotal, 1);
        const int percent = static_cast<int>(100LL * std::min(p.blocksSent, total) / total);
        if (terminal_) {
            const int filled = percent * kBarWidth / 100;
            std::fprintf(stderr, "\r[%s%s] %d/%d %s\x1b[K", QByteArray(filled, '#').constData(),
                         QByteArray(kBarWidth - filled, '.').constData(), p.blocksSent,
                         p.blocksTotal, p.stage.toLocal8Bit().constData());
            std::fflush(stderr);
            drawn_ = true;
            return;
        }
        if (percent < nextPercent_) return;
        PrintError(QCoreApplication::translate("zav", "%1 % (%2 of %3 blocks, %4)")
                       .arg(percent)
                       .arg(p.blocksSent)
                       .arg(p.blocksTotal)
                       .arg(p.stage));
        nextPercent_ = (percent / kPercentStep + 1) * kPercentStep;
    }
    void end() {
        if (drawn_) std::fputs("\n", stderr);
        drawn_ = false;
    }

  private:
    const bool terminal_;
    bool drawn_ = false;
    int nextPercent_ = 0;
};

QString resultName(Outcome outcome) {
    switch (outcome) {
        case Outcome::Programmed:
            return QStringLiteral("programmed");
        case Outcome::Failed:
            return QStringLiteral("failed");
        default:
            return QStringLiteral("refused");
    }
}

struct Report {
    bool json = false;
    QString result = QStringLiteral("refused");
    QString firmwareBefore, firmwareAfter, error;
    int blocks = 0;
    double seconds = 0;

    int end(int status) const {
        if (json) {
            const QJsonObject doc{{QStringLiteral("result"), result},
                                  {QStringLiteral("firmware_before"), firmwareBefore},
                                  {QStringLiteral("firmware_after"), firmwareAfter},
                                  {QStringLiteral("blocks"), blocks},
                                  {QStringLiteral("seconds"), seconds},
                                  {QStringLiteral("error"), error}};
            PrintLine(QString::fromUtf8(QJsonDocument(doc).toJson(QJsonDocument::Compact)));
        }
        return status;
    }
};

// Lines of the summary and the identity: on standard output, or beside the
// JSON document on standard error.
void Show(const Report& report, const QString& line) {
    report.json ? PrintError(line) : PrintLine(line);
}

bool Confirmed(const ProgrammingSession& session, const QString& file, bool yes, Report& report) {
    if (yes) return true;
    if (!platform::stdin_is_terminal()) {
        report.error =
            QCoreApplication::translate("zav", "not confirmed: no terminal to ask at; give --yes");
        PrintError(QStringLiteral("zavdiag program: ") + report.error);
        return false;
    }
    const programming::UnitIdentity& unit = *session.identity();
    std::fprintf(stderr, "%s ",
                 QCoreApplication::translate("zav", "Program %1 %2 (firmware %3) with %4? [y/N]")
                     .arg(unit.unitType, unit.serialNumber, firmwareVersion(unit.firmware), file)
                     .toLocal8Bit()
                     .constData());
    std::fflush(stderr);
    const QString answer = QTextStream(stdin).readLine().trimmed();
    if (answer.compare(QStringLiteral("y"), Qt::CaseInsensitive) == 0 ||
        answer.compare(QStringLiteral("yes"), Qt::CaseInsensitive) == 0)
        return true;
    report.error = QCoreApplication::translate("zav", "not confirmed");
    PrintError(QStringLiteral("zavdiag program: ") + report.error);
    return false;
}

int RunProgram(Invocation& invocation) {
    QStringList& arguments = invocation.arguments;
    Report report;
    const bool yes = app::TakeFlag(arguments, QStringLiteral("--yes"));
    report.json = app::TakeFlag(arguments, QStringLiteral("--json"));
    // The file is the last argument that is no option nor an option's value;
    // options that do not parse are refused by the target below.
    QStringList rest = arguments;
    QString ignored;
    unit::TargetUnit().TakeOptions(rest, &ignored);
    if (rest.isEmpty() || rest.last().startsWith(u'-'))
        return report.end(
            RefuseArguments(kCommand, QCoreApplication::translate("zav", "no image file given")));
    const QString file = rest.last();
    arguments.removeAt(arguments.lastIndexOf(file));

    // The file is checked before anything reaches the port.
    const programming::ImageFile image = programming::ReadImageFile(file);
    if (!image.check.summary) {
        report.error = image.check.refusal.reason;
        PrintError(QStringLiteral("zavdiag program: %1: %2").arg(file, report.error));
        return report.end(kExitCouldNotRun);
    }
    CommandTarget target;
    if (!target.Open(kCommand, arguments, Channels::Link)) return report.end(kExitCouldNotRun);
    ProgrammingSession session(app::CurrentPort(), app::kProgramTick, invocation.frontEnd);
    if (!session.chooseFile(file)) {
        report.error = session.imageRefusal();
        PrintError(QStringLiteral("zavdiag program: %1: %2").arg(file, report.error));
        return report.end(kExitCouldNotRun);
    }
    for (const QString& line : programming::SummaryLines(*session.image()))
        Show(report, QCoreApplication::translate("zav", "Image    ") + line);
    if (!session.identify()) {
        report.error = QCoreApplication::translate("zav", "the unit does not answer");
        return report.end(kExitCouldNotRun);
    }
    const programming::UnitIdentity& unit = *session.identity();
    Show(report, QCoreApplication::translate("zav", "Unit     %1, serial number %2")
                     .arg(unit.unitType, unit.serialNumber));
    Show(report, QCoreApplication::translate("zav", "Firmware %1").arg(unit.firmware));
    Show(report, QCoreApplication::translate("zav", "Data set %1").arg(unit.dataset));
    report.firmwareBefore = unit.firmware;
    if (!Confirmed(session, QFileInfo(file).fileName(), yes, report))
        return report.end(kExitCouldNotRun);

    ProgressPrinter progress(platform::stdout_is_terminal() && !report.json);
    QObject::connect(&session, &ProgrammingSession::progressed,
                     [&] { progress.show(session.progress()); });
    {
        // Ctrl-C stops the transfer as the window's Cancel does.
        const InterruptHandler interrupt(invocation.interruption, [&] { session.cancel(); });
        session.start();
    }
    progress.end();
    report.result = resultName(session.outcome());
    report.firmwareAfter = session.firmwareAfter();
    report.blocks = session.progress().blocksTotal;
    report.seconds = session.seconds();
    report.error = session.error();
    session.requestClose();
    if (invocation.interruption.interrupted())
        PrintError(QCoreApplication::translate(
            "zav",
            "zavdiag program: interrupted: the transfer was stopped, and the unit may "
            "need programming again"));
    switch (session.outcome()) {
        case Outcome::Programmed:
            Show(report, QCoreApplication::translate(
                             "zav", "Programmed in %1 s: firmware %2 before, %3 after")
                             .arg(report.seconds, 0, 'f', 1)
                             .arg(report.firmwareBefore, report.firmwareAfter));
            return report.end(kExitPassed);
        case Outcome::Failed:
            PrintError(QCoreApplication::translate("zav", "zavdiag program: failed: %1")
                           .arg(report.error));
            return report.end(kExitFailed);
        default:
            PrintError(QCoreApplication::translate("zav", "zavdiag program: not started: %1")
                           .arg(report.error));
            return report.end(kExitCouldNotRun);
    }
}

}  // namespace

ZAVDIAG_SUBCOMMAND(program,
                   {"program",
                    "program (--port N | --simulate MODEL [--fault F]...) "
                    "[--yes] [--json] FILE",
                    "send a program image to the unit and identify it again", &RunProgram});

}  // namespace zav::cli
