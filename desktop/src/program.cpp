#include "zav/desktop/program.h"

#include <QApplication>

#include "zav/app/arguments.h"
#include "zav/app/current_port.h"
#include "zav/base/settings.h"
#include "zav/lang/startup_language.h"
#include "zav/sim/fault_syntax.h"
#include "zav/sim/fault_text.h"
#include "zav/sim/raw_fault_syntax.h"
#include "zav/unit/target_unit.h"
#include "zav/version.h"

namespace zav::desktop {
namespace {

QString usage() {
    return QStringLiteral(
               "Usage: ZAVDiagnostics [OPTIONS]\n"
               "The ZAV Diagnostics Tool's desktop program: diagnostics, controls and\n"
               "initialisation of a validator on a serial port.\n"
               "\n"
               "  --port N                  work with the unit on COMN for this run\n"
               "                            (the stored port stays as it is)\n"
               "  --simulate MODEL          training mode: a simulated unit of MODEL on a\n"
               "                            port of its own; MODEL is one of\n"
               "                            %1\n"
               "  --fault F                 a fault of the simulated unit, repeatable\n"
               "  --paper-delay S           the simulated engineer inserts the green\n"
               "                            paper S seconds after it is asked for\n"
               "  --version                 print the version and exit\n"
               "  --help                    print this text and exit\n"
               "\n"
               "Fault syntax:\n")
               .arg(QString::fromStdString(sim::model_names())) +
           QString::fromUtf8(sim::fault_syntax_help()) +
           QString::fromUtf8(sim::raw_fault_syntax_help());
}

QString versionText() {
    return QStringLiteral("ZAVDiagnostics ") + QLatin1String(version::kVersion);
}

}  // namespace

std::optional<QString> commandLineAnswer(const QStringList& arguments) {
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        return usage();
    }
    if (arguments.contains(QLatin1String("--version"))) return versionText();
    return std::nullopt;
}

Program::Program()
    : unit_(std::make_unique<unit::TargetUnit>()),
      mainWindow_(std::make_unique<zav::desktop::MDIFormMain>()) {
    // Every window of the program takes the main window's icon.
    QApplication::setWindowIcon(mainWindow_->windowIcon());
    messages_.setParentWindow(mainWindow_.get());
}

Program::~Program() {
    // The windows and their sessions go before the unit they talk to. A
    // program that ends without its main window's close (a quit from the
    // desktop session) still has its tool window open: that window closes
    // first, in the event loop, so its session's unload does not run inside
    // the main window's destruction.
    mainWindow_->closeToolWindowAndWait();
    mainWindow_.reset();
    base::settings::setStoring(true);
}

bool Program::start(QStringList arguments, QString* error) {
    QString why;
    if (!unit_->TakeOptions(arguments, &why) || !app::NoArgumentsLeft(arguments, &why)) {
        *error = why;
        return false;
    }
    // A run on a simulated unit, or on a port given for this run, shows and
    // uses its own port but stores nothing a real run reads.
    if (unit_->Given()) base::settings::setStoring(false);
    if (!mainWindow_->startUp(lang::LanguageEnvironment::ofThisProgram())) {
        error->clear();
        return false;
    }
    // The simulated unit's port, or --port's, replaces the stored one for
    // this run only; the settings keep theirs.
    if (unit_->Given() && !unit_->Connect(&why)) {
        *error = why;
        return false;
    }
    if (const std::optional<QString> model = unit_->SimulatedModel()) {
        mainWindow_->showRunNotice(QCoreApplication::translate("zav", "Simulated %1 on COM%2")
                                       .arg(*model)
                                       .arg(app::CurrentPort()));
    }
    registerToolWindows(*mainWindow_);
    return true;
}

}  // namespace zav::desktop
