// The exported calls of the smaller link services: bulk read, barcode,
// raw writes, verify mode and the version.
#include <algorithm>
#include <cstring>

#include "ZavtekVLP.h"
#include "library.h"
#include "services/barcode.h"
#include "services/bulk_read.h"
#include "services/verify_check.h"

using zav::link::ByteSpan;
using zav::link::Library;

namespace {

constexpr std::uint8_t kVersionMajor = 3;
constexpr std::uint8_t kVersionMinor = 19;

Library& lib() {
    return Library::instance();
}

}  // namespace

extern "C" {

int32_t GetBulkData(int32_t port, uint32_t address, uint32_t count, uint8_t* dest) {
    if (!dest) return 0;
    Library& l = lib();
    return zav::link::get_bulk_data(l.protocol, l.port, l.transaction,
                                    static_cast<int16_t>(port & 0xFFFF), address, count, dest);
}

int32_t ProcessBarCodeData(const uint8_t* samples, int32_t count, char* text, uint8_t* char_count,
                           uint8_t* elements) {
    if (!samples || !text || !char_count || !elements) return zav::link::kBarcodeNoStart;
    const zav::link::BarcodeResult result = zav::link::decode_interleaved_2of5(
        ByteSpan(samples, static_cast<std::size_t>(count & 0xFF)));
    std::copy(result.elements.begin(), result.elements.end(), elements);
    std::copy(result.text.begin(), result.text.end(), text);
    *char_count = static_cast<uint8_t>(result.text.size());
    return result.code;
}

int16_t SendString(const uint8_t* bytes, int32_t count) {
    if (!bytes) return 0;
    return lib().port.write_raw(ByteSpan(bytes, static_cast<std::size_t>(count & 0xFF))) ? 1 : 0;
}

int16_t SetVerifyMode(int16_t on) {
    lib().port.routing().set_verify_mode(on != 0);
    return 1;
}

int16_t CheckVerify(const char* pattern, int16_t length, uint8_t* buffer, int16_t* count) {
    if (!pattern || !buffer || !count || length < 0) return 0;
    const std::size_t pattern_length = strnlen(pattern, static_cast<std::size_t>(length));
    return zav::link::check_verify(
        lib().port.routing(), ByteSpan(reinterpret_cast<const uint8_t*>(pattern), pattern_length),
        buffer, count);
}

int16_t GetVLPDLLVersion(uint8_t* major, uint8_t* minor) {
    if (!major || !minor) return 0;
    *major = kVersionMajor;
    *minor = kVersionMinor;
    return 1;
}

}  // extern "C"
