#pragma once
// The service engineer's manual: HTML pages in the program directory's
// "_tmphhp" folder, index.html first.
#include <QString>
#include <optional>

namespace zav::desktop {

// The folder of the manual and its first page.
QString manualDirectory();
QString manualIndexPath();

// The text of one page of the manual at `path`: nothing when the file is
// not inside manualDirectory(), cannot be read, is empty or larger than
// 1 MiB, or is not valid UTF-8.
std::optional<QString> readManualPage(const QString& path);

}  // namespace zav::desktop
