#include "zav/app/arguments.h"

#include <QCoreApplication>

namespace zav::app {

bool TakeFlag(QStringList& arguments, const QString& flag) {
    return arguments.removeAll(flag) > 0;
}

QStringList TakeValues(QStringList& arguments, const QString& option, QString* error) {
    QStringList values;
    for (qsizetype i = arguments.indexOf(option); i >= 0; i = arguments.indexOf(option, i)) {
        if (i + 1 >= arguments.size()) {
            *error = QCoreApplication::translate("zav", "%1 needs a value").arg(option);
            arguments.removeAt(i);
            break;
        }
        values.append(arguments.takeAt(i + 1));
        arguments.removeAt(i);
    }
    return values;
}

std::optional<QString> TakeValue(QStringList& arguments, const QString& option, QString* error) {
    const QStringList values = TakeValues(arguments, option, error);
    if (values.size() > 1)
        *error = QCoreApplication::translate("zav", "%1 is given more than once").arg(option);
    if (values.isEmpty()) return std::nullopt;
    return values.first();
}

std::optional<int> ParseInteger(const QString& text, int min, int max) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < min || value > max) return std::nullopt;
    return value;
}

bool NoArgumentsLeft(const QStringList& arguments, QString* error) {
    if (arguments.isEmpty()) return true;
    *error = QCoreApplication::translate("zav", "unknown argument %1").arg(arguments.first());
    return false;
}

}  // namespace zav::app
