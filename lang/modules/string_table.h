#pragma once
// What every language module is made of: its string table, compiled from the
// module's strings.txt, and its identity. The shared object code in
// resources_object.cpp serves every module from these.
#include <cstddef>
#include <cstdint>

namespace kvo_lang {

struct StringEntry {
    std::int32_t number;
    const char* text;  // UTF-8
};

// Sorted by number, numbers unique (the table compiler checks both).
extern const StringEntry kStrings[];
extern const std::size_t kStringCount;

struct ModuleIdentity {
    const char* identifier;  // "kvo_lang_<code>.clsResources"
    const char* language;    // English name of the language
};
extern const ModuleIdentity kModuleIdentity;

}  // namespace kvo_lang
