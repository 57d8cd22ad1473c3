#pragma once
// Language texts used where an access-key marker has no meaning.
#include <QString>

namespace zav::window {

// `caption` as it reads on screen: a single "&" (the access-key marker)
// removed, "&&" kept as one "&". For window titles and accessible names.
QString withoutAccessKey(const QString& caption);

}  // namespace zav::window
