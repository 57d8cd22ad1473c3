// The user's settings file into what start-up reads from it: the port
// number, the language code and the language option, and the module file
// the code names. The input is the whole file, as an editor may leave it.
#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <cstdint>
#include <cstdlib>

#include "qt_fuzz_support.h"
#include "zav/app/current_port.h"
#include "zav/base/product.h"
#include "zav/lang/language_settings.h"
#include "zav/lang/module_files.h"
#include "zav/lang/startup_language.h"

namespace {

// The settings file of a configuration home of our own.
QString SettingsFile() {
    static const QString home = [] {
        char pattern[] = "/tmp/zav_fuzz_settings_XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) std::abort();
        const QString dir = QString::fromLocal8Bit(made);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
        return dir;
    }();
    const QString product = zav::base::productName();
    QDir().mkpath(home + u'/' + product);
    return home + u'/' + product + u'/' + product + QStringLiteral(".ini");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zav::fuzz::StartQtCore();
    static const QString file = SettingsFile();
    static const QString moduleDirectory = zav::lang::defaultModuleDirectory();
    static std::int64_t stamp = 1'000'000'000;
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    // A new time stamp for every input, so the settings are read afresh
    // even when two inputs have the same size.
    const timespec times[2] = {{static_cast<time_t>(++stamp), 0}, {static_cast<time_t>(stamp), 0}};
    utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0);

    zav::app::LoadCurrentPort();
    const zav::lang::LanguageSettings stored = zav::lang::readLanguageSettings();
    zav::lang::codeForLanguageId(stored.countryCode, stored.countryCode);
    zav::lang::findModuleFile(moduleDirectory, stored.countryCode);
    return 0;
}
