/* The binary interface between the program and a language module
 * (Lang/kvo_lang_<code>.so). Plain C, so a module can be built with any
 * compiler and shares no library with the program.
 *
 * A module exports one function, kvo_lang_create_object. Given the identifier
 * "kvo_lang_<code>.clsResources" (compared without regard to case) it returns
 * a new resources object; for any other identifier it returns NULL. The
 * program calls the object's functions from one thread at a time and calls
 * Release exactly once before it unloads the module. Nothing crosses this
 * interface as a C++ exception. */
#ifndef ZAV_LANG_KVO_LANG_ABI_H
#define ZAV_LANG_KVO_LANG_ABI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define KVO_LANG_ABI_VERSION 1u
/* Texts longer than this (in bytes, without the terminating NUL) are refused
 * by the program as if the module held no such number. */
#define KVO_LANG_MAX_TEXT_BYTES 1024u
#define KVO_LANG_ENTRY_POINT "kvo_lang_create_object"

/* Results of GetResourceString. */
#define KVO_LANG_OK 0
#define KVO_LANG_NO_SUCH_STRING 1

typedef struct kvo_lang_resources kvo_lang_resources;

typedef struct kvo_lang_resources_functions {
    uint32_t abi_version; /* KVO_LANG_ABI_VERSION */
    /* Looks up the text numbered *resource_index. On KVO_LANG_OK, *text is
     * UTF-8, NUL-terminated and owned by the module until Release; otherwise
     * the module holds no such number and *text is left alone. */
    int (*GetResourceString)(const kvo_lang_resources* self, int32_t* resource_index,
                             const char** text);
    /* The module's language name in English ("English", "German", ...). */
    const char* (*Language)(const kvo_lang_resources* self);
    void (*Release)(kvo_lang_resources* self);
} kvo_lang_resources_functions;

struct kvo_lang_resources {
    const kvo_lang_resources_functions* functions;
};

typedef kvo_lang_resources* (*kvo_lang_create_object_fn)(const char* identifier);

#ifdef __cplusplus
}
#endif

#endif
