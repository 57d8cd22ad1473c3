// The clsResources object of a language module and the module's entry point.
// Each module links this file with its own string table and identity.
#include <algorithm>
#include <new>

#include "string_table.h"
#include "zav/lang/kvo_lang_abi.h"

namespace kvo_lang {
namespace {

bool sameIgnoringAsciiCase(const char* a, const char* b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    for (; *a && *b; ++a, ++b) {
        if (lower(static_cast<unsigned char>(*a)) != lower(static_cast<unsigned char>(*b))) {
            return false;
        }
    }
    return *a == *b;
}

int getResourceString(const kvo_lang_resources*, std::int32_t* resourceIndex, const char** text) {
    if (!resourceIndex || !text) return KVO_LANG_NO_SUCH_STRING;
    const StringEntry* end = kStrings + kStringCount;
    const StringEntry* found =
        std::lower_bound(kStrings, end, *resourceIndex,
                         [](const StringEntry& e, std::int32_t n) { return e.number < n; });
    if (found == end || found->number != *resourceIndex) return KVO_LANG_NO_SUCH_STRING;
    *text = found->text;
    return KVO_LANG_OK;
}

const char* language(const kvo_lang_resources*) {
    return kModuleIdentity.language;
}

void release(kvo_lang_resources* self) {
    delete self;
}

constexpr kvo_lang_resources_functions kFunctions = {
    KVO_LANG_ABI_VERSION,
    getResourceString,
    language,
    release,
};

}  // namespace
}  // namespace kvo_lang

extern "C" __attribute__((visibility("default"))) kvo_lang_resources* kvo_lang_create_object(
    const char* identifier) {
    if (!identifier ||
        !kvo_lang::sameIgnoringAsciiCase(identifier, kvo_lang::kModuleIdentity.identifier)) {
        return nullptr;
    }
    return new (std::nothrow) kvo_lang_resources{&kvo_lang::kFunctions};
}
