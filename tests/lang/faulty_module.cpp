// A language module that misbehaves, kvo_lang_zz: it claims text 1 but hands
// back no text, hands back texts of the longest accepted length (3) and one
// byte longer (2), changes the number it is given when it refuses (5), and
// holds text 4 with blanks at both ends.
#include <cstring>

#include "zav/lang/kvo_lang_abi.h"

namespace {

char longest[KVO_LANG_MAX_TEXT_BYTES + 1];
char tooLong[KVO_LANG_MAX_TEXT_BYTES + 2];

int getResourceString(const kvo_lang_resources*, int32_t* index, const char** text) {
    switch (*index) {
        case 1:
            *text = nullptr;
            return KVO_LANG_OK;
        case 2:
            std::memset(tooLong, 'x', sizeof tooLong - 1);
            *text = tooLong;
            return KVO_LANG_OK;
        case 3:
            std::memset(longest, 'y', sizeof longest - 1);
            *text = longest;
            return KVO_LANG_OK;
        case 4:
            *text = "  padded  ";
            return KVO_LANG_OK;
        default:
            *index = 99;
            return KVO_LANG_NO_SUCH_STRING;
    }
}

const char* language(const kvo_lang_resources*) {
    return "Faulty";
}
void release(kvo_lang_resources*) {}

const kvo_lang_resources_functions functions = {KVO_LANG_ABI_VERSION, getResourceString, language,
                                                release};
kvo_lang_resources object = {&functions};

}  // namespace

extern "C" __attribute__((visibility("default"))) kvo_lang_resources* kvo_lang_create_object(
    const char* identifier) {
    return std::strcmp(identifier, "kvo_lang_zz.clsResources") == 0 ? &object : nullptr;
}
