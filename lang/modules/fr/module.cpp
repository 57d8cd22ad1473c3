// The French language module, kvo_lang_fr.
#include "../string_table.h"

const kvo_lang::ModuleIdentity kvo_lang::kModuleIdentity = {"kvo_lang_fr.clsResources", "French"};
