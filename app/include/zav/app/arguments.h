#pragma once
// Taking options out of a subcommand's arguments, so that whatever is left
// at the end is an argument nobody knows.
#include <QString>
#include <QStringList>
#include <optional>

namespace zav::app {

// Removes every `flag` from `arguments`; true when there was one.
bool TakeFlag(QStringList& arguments, const QString& flag);

// Removes each "`option` VALUE" pair and returns the values in order.
// Sets `*error` when the option is the last argument, without a value.
QStringList TakeValues(QStringList& arguments, const QString& option, QString* error);

// The same for an option given at most once: its value, or nothing when it
// is absent. Sets `*error` when it is given twice or without a value.
std::optional<QString> TakeValue(QStringList& arguments, const QString& option, QString* error);

// The integer `text` stands for when it lies in min..max.
std::optional<int> ParseInteger(const QString& text, int min, int max);

// Sets `*error` to name the first argument left over, if any; true when
// none is left.
bool NoArgumentsLeft(const QStringList& arguments, QString* error);

}  // namespace zav::app
