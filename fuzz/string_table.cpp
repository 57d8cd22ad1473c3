// A language module's strings.txt into the build's table compiler: the line
// syntax, the UTF-8 check and the generated C++ literals.
#include <cstdint>
#include <sstream>
#include <string>

#include "string_table_source.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        const auto table = kvo_lang::readStringTable(in);
        const std::string source = kvo_lang::stringTableSource(table);
        if (source.empty()) __builtin_trap();
    } catch (const kvo_lang::TableError&) {
    }
    return 0;
}
