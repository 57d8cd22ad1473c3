#pragma once
// Small procedures the windows share: text lookup by number, file helpers,
// the temporary directory, UTF-8 conversion and language names from the
// ISO 639-2 code list shipped in the program directory.
//
// Procedures that "throw" raise std::system_error, whose code is the error
// number the caller shows.
#include <QByteArray>
#include <QString>

namespace zav::app::Global {

// The text with this number from the loaded language module; a fallback
// text when it cannot be fetched (never fails).
QString LangText(int id);

// True when path names an existing file. A path the system cannot take
// (one with a NUL character) is shown as an error message and gives false.
bool FileExists(const QString& path);
// Deletes the file if it exists. Throws when an existing file stays or the
// path is one the system cannot take.
void DeleteFileIfExists(const QString& path);
// The temporary directory with its trailing separator. Throws when there is
// none.
QString TempDirectory();
// The text decoded from UTF-8; malformed bytes become U+FFFD.
QString Utf8ToText(const QByteArray& bytes);
// Writes the text of the UTF-8 file source, followed by CR LF, to
// destination (created or replaced) in the character set of the user's
// locale. Throws when source cannot be read or is larger than 16 MiB, or
// when destination cannot be written.
void Utf8FileToAnsiFile(const QString& source, const QString& destination);

// Path of the ISO 639-2 code list in the program directory.
QString CodeListPath();
// English name of a two-letter language code (lower case, compared
// exactly), or empty when the list has no such code. When the list cannot
// be read or is not a regular file (a FIFO is never opened), shows an error
// message and returns empty.
QString GetLangName(const QString& code);
// The same, from the code list at codeListPath.
QString GetLangName(const QString& code, const QString& codeListPath);

}  // namespace zav::app::Global
