#include "gui_test_support.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QProgressBar>
#include <QTextEdit>
#include <cstdlib>

#include "zav/base/program_directory.h"
#include "zav/base/settings.h"
#include "zav/lang/language_text.h"
#include "zav/lang/module_files.h"

namespace zav::test {

void setUpProgram(const QString& code) {
    base::SetProgramDirectory(QFile::decodeName(std::getenv("ZAV_DIST_DIR")));
    clearSettings();
    const QString path = lang::findModuleFile(lang::defaultModuleDirectory(), code);
    lang::installLanguageModule(
        lang::LanguageModule::create(path, QStringLiteral("kvo_lang_%1.clsResources").arg(code)),
        code);
}

void clearSettings() {
    base::settings::openUserSettings()->clear();
}

QString storedSetting(const char* key) {
    const auto settings = base::settings::openUserSettings();
    settings->beginGroup(QLatin1String(base::settings::kStartupGroup));
    return settings->value(QLatin1String(key)).toString();
}

void storeSetting(const char* key, const QString& value) {
    const auto settings = base::settings::openUserSettings();
    settings->beginGroup(QLatin1String(base::settings::kStartupGroup));
    settings->setValue(QLatin1String(key), value);
}

QStringList unnamedControls(const QWidget& root) {
    QStringList unnamed;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        const bool acted = qobject_cast<QAbstractButton*>(widget) ||
                           qobject_cast<QComboBox*>(widget) ||
                           qobject_cast<QAbstractItemView*>(widget) ||
                           qobject_cast<QTextEdit*>(widget) || qobject_cast<QProgressBar*>(widget);
        // The parts of Qt's own complex widgets (a scroll area's, an item
        // view's, a dialog box's) are named by those widgets.
        if (!acted || qobject_cast<QAbstractItemView*>(widget->parentWidget()) ||
            (widget->objectName().startsWith(QLatin1String("qt_")) &&
             !widget->objectName().endsWith(QLatin1String("_ext_button")))) {
            continue;
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << widget->objectName() + QStringLiteral(" (") +
                           QLatin1String(widget->metaObject()->className()) + u')';
        }
    }
    for (const QMenu* menu : root.findChildren<QMenu*>()) {
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->text().isEmpty()) unnamed << action->objectName();
        }
    }
    return unnamed;
}

QStringList tabOrder(const QWidget& root) {
    QStringList order;
    QWidget* first = nullptr;
    for (QWidget* widget = root.nextInFocusChain(); widget && widget != &root;
         widget = widget->nextInFocusChain()) {
        if (widget == first) break;
        if (!first) first = widget;
        if (root.isAncestorOf(widget) && !widget->objectName().isEmpty() &&
            (widget->focusPolicy() & Qt::TabFocus)) {
            order << widget->objectName();
        }
    }
    return order;
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

}  // namespace zav::test
