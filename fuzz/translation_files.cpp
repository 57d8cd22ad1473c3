// A translation file (.qm) through our check and, when it passes, into
// QTranslator and lookups of texts the shipped files carry: a file the
// check lets through must never make a lookup read past its end.
#include <QTranslator>
#include <cstdint>

#include "qt_fuzz_support.h"
#include "zav/lang/translation_file_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zav::fuzz::StartQtCore();
    const QByteArrayView contents(reinterpret_cast<const char*>(data),
                                  static_cast<qsizetype>(size));
    if (!zav::lang::isSoundTranslationFile(contents)) return 0;
    QTranslator translator;
    if (!translator.load(data, static_cast<int>(size))) return 0;
    static const char* const kProbes[] = {"Service report",
                                          "no such device",
                                          "Report…",
                                          "Sensor table",
                                          "History",
                                          "Time",
                                          "Simulated",
                                          "the file cannot be opened",
                                          "%v of %m blocks",
                                          "Program Download",
                                          "zavdiag %1: interrupted"};
    for (const char* probe : kProbes) {
        (void)translator.translate("zav", probe);
        (void)translator.translate("zav", probe, nullptr, 2);
        (void)translator.translate("", probe);
    }
    return 0;
}
