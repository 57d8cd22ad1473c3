// A program image through the checks the programming tool makes before it
// sends anything: either format, every length against the bytes there,
// then the summary both front ends show.
#include <cstdint>

#include "qt_fuzz_support.h"
#include "zav/programming/program_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zav::fuzz::StartQtCore();
    const zav::programming::ImageCheck check = zav::programming::CheckImage({data, size});
    if (check.summary) {
        // A sound image describes no more than it holds.
        const auto& s = *check.summary;
        if (s.format == zav::programming::ImageFormat::Loader &&
            128ull + s.ramLength + s.mainLength > size)
            __builtin_trap();
        (void)zav::programming::SummaryLines(s);
    } else if (check.refusal.reason.isEmpty()) {
        __builtin_trap();  // every refusal says why
    }
    return 0;
}
