// The Spanish language module, kvo_lang_es.
#include "../string_table.h"

const kvo_lang::ModuleIdentity kvo_lang::kModuleIdentity = {"kvo_lang_es.clsResources", "Spanish"};
