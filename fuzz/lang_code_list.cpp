// An ISO 639-2 code list into GetLangName: the conversion to the locale's
// character set and back, and the scan of every line for the code. The
// first two bytes are the code looked up, the rest is the list.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "qt_fuzz_support.h"
#include "zav/app/global.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zav::fuzz::StartQtCore();
    static const int fd = memfd_create("code_list", 0);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    zav::fuzz::FuzzInput input(data, size);
    char code[2];
    input.bytes(reinterpret_cast<std::uint8_t*>(code), sizeof code);
    const auto list = input.rest();
    if (fd < 0 || ftruncate(fd, 0) != 0 ||
        (!list.empty() &&
         pwrite(fd, list.data(), list.size(), 0) != static_cast<ssize_t>(list.size()))) {
        return 0;
    }
    zav::app::Global::GetLangName(QString::fromLatin1(code, 2), path);
    return 0;
}
