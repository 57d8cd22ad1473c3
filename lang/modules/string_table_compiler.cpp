// Build tool: turns a module's strings.txt into the C++ string table the
// module is compiled from. Every line is checked, so a slip in a translation
// stops the build with the file and line instead of shipping a broken table.
//
//   kvo_lang_table_compiler <strings.txt> <output.cpp>
#include <fstream>
#include <iostream>

#include "string_table_source.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: kvo_lang_table_compiler <strings.txt> <output.cpp>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    std::string source;
    try {
        source = kvo_lang::stringTableSource(kvo_lang::readStringTable(in));
    } catch (const kvo_lang::TableError& e) {
        std::cerr << argv[1] << ": " << e.message << "\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << source;
    if (!out.flush()) {
        std::cerr << argv[2] << ": cannot write\n";
        return 1;
    }
    return 0;
}
