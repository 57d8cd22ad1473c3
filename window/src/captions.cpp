#include "zav/window/captions.h"

namespace zav::window {

QString withoutAccessKey(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&x" reads as "x" ("&&" as "&"); a lone "&" at the end is dropped.
        if (caption[i] == u'&' && ++i == caption.size()) break;
        text += caption[i];
    }
    return text;
}

}  // namespace zav::window
