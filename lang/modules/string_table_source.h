#pragma once
// The string table source (strings.txt) and the C++ table generated from
// it, for the build's table compiler. strings.txt holds one text a line: its
// number, blanks, the text in double quotes (blanks inside the quotes belong
// to the text). Empty lines and lines starting with '#' are comments.
#include <cstdint>
#include <istream>
#include <map>
#include <string>

namespace kvo_lang {

struct TableError {
    std::string message;
};

// The texts by number. Throws TableError naming the line of the first slip:
// a line that does not follow the syntax, text that is not clean UTF-8, a
// number given twice, or no text at all.
std::map<std::int32_t, std::string> readStringTable(std::istream& in);

// The C++ source of the table, for string_table.h.
std::string stringTableSource(const std::map<std::int32_t, std::string>& table);

}  // namespace kvo_lang
