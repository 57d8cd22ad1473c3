#pragma once
// Helpers the Global module's procedures share.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <exception>
#include <string>

namespace zav::app::Global {

// The path as the operating system takes it. Throws std::system_error
// (EINVAL) for a path with a NUL character, which the system would cut.
std::string nativePath(const QString& path);

// Throws std::system_error describing why an operation on file failed.
[[noreturn]] void throwFileError(const QFile& file);

// The UTF-8 file's text followed by CR LF, in the user's locale character
// set. Throws as Utf8FileToAnsiFile does.
QByteArray utf8FileAsAnsiText(const QString& source);

// Shows "Error <number> (<description>) in procedure <where>" with no icon.
void reportProcedureError(const std::exception& error, const QString& where);

}  // namespace zav::app::Global
