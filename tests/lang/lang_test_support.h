#pragma once
// Helpers for tests of the language code and the Global module: a private
// settings store and module directories made up for one test.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "zav/base/settings.h"

namespace zav::test {

// Gives the test program a settings store of its own and empties it.
// QSettings reads XDG_CONFIG_HOME once, so the directory is set once.
inline QString useEmptySettings() {
    static QTemporaryDir home;
    static const bool pointed = qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    (void)pointed;
    base::settings::openUserSettings()->clear();
    return home.path();
}

inline QString distDirectory() {
    return QFile::decodeName(std::getenv("ZAV_DIST_DIR"));
}
inline QString shippedModuleDirectory() {
    return distDirectory() + QStringLiteral("/Lang/");
}
inline QString shippedCodeList() {
    return distDirectory() + QStringLiteral("/ISO-639-2_utf-8.txt");
}
#ifdef ZAV_LANG_FIXTURE_DIR
// Test modules built beside the tests: kvo_lang_zz.so (misbehaving) and
// not_a_module.so (no entry point).
inline QString fixtureModule(const char* fileName) {
    return QStringLiteral(ZAV_LANG_FIXTURE_DIR "/") + QLatin1String(fileName);
}
#endif

// A module directory of one test's own.
class ModuleDirectory {
  public:
    // Copies the file at source into the directory under name.
    ModuleDirectory& add(const QString& source, const QString& name) {
        QFile::copy(source, path() + name);
        return *this;
    }
    ModuleDirectory& addShipped(const QString& name) {
        return add(shippedModuleDirectory() + name, name);
    }
    ModuleDirectory& addAllShipped() {
        for (const char* name :
             {"kvo_lang_en.so", "kvo_lang_fr.so", "kvo_lang_DE.so", "kvo_lang_es.so"}) {
            addShipped(QLatin1String(name));
        }
        return *this;
    }
    QString path() const { return dir_.path() + u'/'; }

  private:
    QTemporaryDir dir_;
};

}  // namespace zav::test
