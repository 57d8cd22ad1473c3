#pragma once
// The subcommands of zavdiag. Each lives in a file of its own and registers
// itself at namespace scope:
//
//   ZAVDIAG_SUBCOMMAND(ports, {"ports", "ports",
//                              QT_TRANSLATE_NOOP("zav", "list the serial ports"), &RunPorts});
//
// and joins the program with one zavdiag_subcommand(...) line in
// cli/CMakeLists.txt.
#include <QStringList>
#include <vector>

#include "zav/app/validator_data.h"
#include "zav/cli/interruption.h"
#include "zav/cli/printing_front_end.h"

namespace zav::cli {

// Exit statuses of zavdiag.
constexpr int kExitPassed = 0;       // the run passed (or the command did its job)
constexpr int kExitFailed = 1;       // the run started on the unit and failed
constexpr int kExitCouldNotRun = 2;  // wrong arguments, no port, no answer, interrupted

// The status a command on `unit` ends with: passed; failed once the unit's
// sensor data were read (also when it is lost later, whatever the moment);
// could not run before that (the port does not open, nothing answers, the
// unit has no sensor data).
int ExitStatus(bool passed, const app::ValidatorData& unit);

// What a subcommand is given: its arguments (after its name), the front end
// that prints status lines and messages, and Ctrl-C. The language is loaded
// and the current port read from the settings before it runs.
struct Invocation {
    QStringList arguments;
    PrintingFrontEnd& frontEnd;
    Interruption& interruption;
};

struct Subcommand {
    const char* name;
    const char* synopsis;  // the usage line after "zavdiag "
    const char* summary;   // what it does, in one line; translated in context "zav"
    int (*run)(Invocation& invocation);
};

// Adds a subcommand; returns true (for the registration idiom). A second
// command of the same name replaces nothing and is ignored.
bool RegisterSubcommand(const Subcommand& command);

// The subcommand of that name, or nullptr.
const Subcommand* FindSubcommand(const QString& name);

// Every subcommand, sorted by name.
std::vector<Subcommand> AllSubcommands();

// Refuses arguments the subcommand `name` cannot take: prints
// "zavdiag NAME: why" and its usage line on standard error, and returns
// kExitCouldNotRun.
int RefuseArguments(const char* name, const QString& why);

}  // namespace zav::cli

#define ZAVDIAG_SUBCOMMAND(identifier, ...)                             \
    [[maybe_unused]] static const bool zavdiagSubcommand_##identifier = \
        ::zav::cli::RegisterSubcommand(__VA_ARGS__)
