// The German language module, kvo_lang_DE.
#include "../string_table.h"

const kvo_lang::ModuleIdentity kvo_lang::kModuleIdentity = {"kvo_lang_DE.clsResources", "German"};
