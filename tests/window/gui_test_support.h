#pragma once
// Shared set-up of the widget tests: the build's program directory, an
// empty settings store and a language module; messages are recorded with
// zav/test/message_recorder.h instead of opening boxes.
#include <QString>
#include <QStringList>

#include "zav/test/message_recorder.h"

class QWidget;

namespace zav::test {

// The build's program directory becomes the program's, the settings store
// (the test's own, from XDG_CONFIG_HOME) is emptied and the language module
// for `code` is loaded.
void setUpProgram(const QString& code = QStringLiteral("en"));

// Empties the settings store.
void clearSettings();
// The stored value of `key` in section "Startup"; empty when there is none.
QString storedSetting(const char* key);
void storeSetting(const char* key, const QString& value);

// The controls a user acts on under `root` (buttons, combo boxes, list and
// text views, menus' entries) that have no accessible name, by object name.
QStringList unnamedControls(const QWidget& root);

// The named widgets under `root` that Tab reaches, in the order it reaches
// them from the first; hidden and disabled ones included, as their places
// in the order are fixed.
QStringList tabOrder(const QWidget& root);

// What a screen reader hears as `widget`'s name.
QString accessibleName(QWidget* widget);

}  // namespace zav::test
