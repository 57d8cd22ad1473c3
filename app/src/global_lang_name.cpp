// GetLangName: a language's English name from the ISO 639-2 code list.
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <optional>
#include <system_error>

#include "global_support.h"
#include "zav/app/global.h"
#include "zav/base/program_directory.h"
#include "zav/platform/locale_charset.h"

namespace zav::app::Global {
namespace {

// The code list converted to the locale's character set and read back from
// a temporary copy. The copy is created exclusively under a fresh name, so
// nobody can plant a link in its place, and it is gone when this returns.
QString codeListThroughTemporaryCopy(const QString& codeListPath) {
    const QByteArray ansi = utf8FileAsAnsiText(codeListPath);
    QTemporaryFile copy(TempDirectory() + QStringLiteral("ansi_cc_XXXXXX.txt"));
    if (!copy.open()) throwFileError(copy);
    if (copy.write(ansi) != ansi.size() || !copy.flush() || !copy.seek(0)) throwFileError(copy);
    const QByteArray bytes = copy.readAll();
    if (copy.error() != QFileDevice::NoError) throwFileError(copy);
    copy.remove();
    const std::string utf8 = platform::charset_to_utf8(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        platform::locale_charset());
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The name on one line of the list when its alpha-2 field (the two
// characters after the second "|") equals code: the text after the next "|"
// up to a "|" or ";". Nothing when the line does not match.
std::optional<QStringView> nameOnLine(QStringView line, const QString& code) {
    const qsizetype first = line.indexOf(u'|');
    if (first < 0) return std::nullopt;
    const qsizetype second = line.indexOf(u'|', first + 1);
    if (second < 0 || line.size() - (second + 1) < 2) return std::nullopt;
    if (line.sliced(second + 1, 2) != code) return std::nullopt;
    const qsizetype next = line.indexOf(u'|', second + 3);
    if (next < 0) return std::nullopt;
    const QStringView rest = line.sliced(next + 1);
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != u'|' && rest[end] != u';') ++end;
    return rest.first(end);
}

}  // namespace

QString CodeListPath() {
    return base::ProgramFilePath(QStringLiteral("ISO-639-2_utf-8.txt"));
}

QString GetLangName(const QString& code) {
    return GetLangName(code, CodeListPath());
}

QString GetLangName(const QString& code, const QString& codeListPath) {
    try {
        const QString list = codeListThroughTemporaryCopy(codeListPath);
        QString name;
        // Every line is scanned; when several match, the last one wins.
        for (QStringView line : QStringView(list).split(u'\n')) {
            if (line.endsWith(u'\r')) line.chop(1);
            if (const auto found = nameOnLine(line, code)) name = found->toString();
        }
        return name;
    } catch (const std::exception& e) {
        reportProcedureError(e, QStringLiteral("GetLangName of Module Global"));
        return {};
    }
}

}  // namespace zav::app::Global
