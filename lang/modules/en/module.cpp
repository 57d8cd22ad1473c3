// The English language module, kvo_lang_en.
#include "../string_table.h"

const kvo_lang::ModuleIdentity kvo_lang::kModuleIdentity = {"kvo_lang_en.clsResources", "English"};
