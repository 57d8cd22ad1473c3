// A row of measured element widths into the barcode decoder, as
// ProcessBarCodeData hands it over (the first byte is not a sample), with
// the results copied out the way the export does into its caller's buffers.
#include "services/barcode.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t count = std::min<std::size_t>(size, 255);  // the export's count byte
    const zav::link::BarcodeResult result =
        zav::link::decode_interleaved_2of5(std::span<const std::uint8_t>(data, count));
    char text[256];
    std::uint8_t elements[256];
    if (result.text.size() > sizeof text || result.elements.size() > sizeof elements) {
        __builtin_trap();  // more out than the caller's buffers can hold
    }
    std::copy(result.text.begin(), result.text.end(), text);
    std::copy(result.elements.begin(), result.elements.end(), elements);
    return 0;
}
