// A command line into zavdiag's option syntax: the diagnose options, the
// unit options every command takes (port number, simulated model, faults in
// both syntaxes, paper delay) and the check for arguments left over.
#include <QStringList>
#include <cstdint>
#include <string>

#include "arguments.h"
#include "qt_fuzz_support.h"
#include "zav/app/arguments.h"
#include "zav/cli/command_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zav::fuzz::StartQtCore();
    QStringList arguments;
    for (const std::string& argument : zav::fuzz::Arguments(data, size)) {
        arguments << QString::fromLocal8Bit(argument.data(),
                                            static_cast<qsizetype>(argument.size()));
    }
    QString error;
    zav::app::TakeFlag(arguments, QStringLiteral("--json"));
    zav::app::TakeValue(arguments, QStringLiteral("--csv"), &error);
    zav::cli::CommandTarget target;
    if (target.TakeOptions(arguments, &error)) zav::app::NoArgumentsLeft(arguments, &error);
    for (const QString& argument : arguments) zav::app::ParseInteger(argument, 1, 255);
    return 0;
}
