#pragma once
// Small procedures the windows share: text lookup by number, file helpers,
// the temporary directory, UTF-8 conversion and language names from the
// ISO 639-2 code list shipped in the program directory.
#include <QByteArray>
#include <QString>

namespace zav::app::Global {

// The text with this number from the loaded language module; a fallback
// text when it cannot be fetched (never fails).
QString LangText(int id);

bool FileExists(const QString& path);
void DeleteFileIfExists(const QString& path);
// The temporary directory with its trailing separator. Throws on failure.
QString TempDirectory();
QString Utf8ToText(const QByteArray& bytes);
void Utf8FileToAnsiFile(const QString& source, const QString& destination);
// English name of a two-letter language code (lower case), or empty.
QString GetLangName(const QString& code);

}  // namespace zav::app::Global
