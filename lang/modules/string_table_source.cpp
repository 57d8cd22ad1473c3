#include "string_table_source.h"

#include <charconv>
#include <cstdio>
#include <sstream>
#include <string_view>

namespace kvo_lang {
namespace {

// True when text is well-formed UTF-8 without control characters.
bool isCleanUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x20 || lead == 0x7F) return false;
        std::size_t length = 1;
        std::uint32_t code = lead;
        if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, code = lead & 0x07;
        } else if (lead >= 0xE0) {
            length = 3, code = lead & 0x0F;
        } else if (lead >= 0xC2) {
            length = 2, code = lead & 0x1F;
        } else if (lead >= 0x80) {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

// Parses one non-comment line into (number, text).
std::pair<std::int32_t, std::string> parseLine(std::string_view line) {
    std::int32_t number = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), number);
    if (ec != std::errc{} || end == line.data() || number < 1) {
        throw TableError{"expected a positive number at the start of the line"};
    }
    std::string_view rest = line.substr(static_cast<std::size_t>(end - line.data()));
    const std::size_t open = rest.find_first_not_of(" \t");
    if (open == std::string_view::npos || open == 0 || rest[open] != '"') {
        throw TableError{"expected blanks and a quoted text after the number"};
    }
    rest.remove_prefix(open + 1);
    if (rest.empty() || rest.back() != '"') {
        throw TableError{"the text must end with a double quote at the end of the line"};
    }
    rest.remove_suffix(1);
    if (rest.find('"') != std::string_view::npos) {
        throw TableError{"double quote inside the text"};
    }
    if (!isCleanUtf8(rest)) throw TableError{"text is not clean UTF-8"};
    return {number, std::string(rest)};
}

}  // namespace

std::map<std::int32_t, std::string> readStringTable(std::istream& in) {
    std::map<std::int32_t, std::string> table;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        try {
            auto [number, text] = parseLine(line);
            if (!table.emplace(number, std::move(text)).second) {
                throw TableError{"number " + std::to_string(number) + " appears twice"};
            }
        } catch (const TableError& e) {
            throw TableError{"line " + std::to_string(lineNumber) + ": " + e.message};
        }
    }
    if (table.empty()) throw TableError{"no texts"};
    return table;
}

namespace {

// A C++ string literal of the bytes; octal escapes never run into the next
// character, unlike hexadecimal ones.
std::string literal(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || c == '"' || c == '\\' || c == '?') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

std::string stringTableSource(const std::map<std::int32_t, std::string>& table) {
    std::ostringstream out;
    out << "// Generated from strings.txt by kvo_lang_table_compiler. Do not edit.\n"
        << "#include \"string_table.h\"\n\n"
        << "const kvo_lang::StringEntry kvo_lang::kStrings[] = {\n";
    for (const auto& [number, text] : table) {
        out << "    {" << number << ", " << literal(text) << "},\n";
    }
    out << "};\n"
        << "const std::size_t kvo_lang::kStringCount = " << table.size() << ";\n";
    return out.str();
}

}  // namespace kvo_lang
