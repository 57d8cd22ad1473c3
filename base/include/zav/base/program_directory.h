#pragma once
// Where the program finds the files shipped beside it: the link and serial
// libraries and the RAM utility images.
#include <QString>

namespace zav::base {

// The running program's own directory, or the directory set with
// SetProgramDirectory. Never empty.
QString ProgramDirectory();

// Points the program at another directory (tests use the build's program
// directory); an empty text returns to the running program's own.
void SetProgramDirectory(const QString& directory);

// ProgramDirectory() joined with a file name: a '/' is put between the two
// unless the directory already ends with one.
QString ProgramFilePath(const QString& fileName);

}  // namespace zav::base
