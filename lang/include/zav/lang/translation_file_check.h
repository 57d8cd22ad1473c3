#pragma once
// Whether a Qt translation file (.qm) can be handed to QTranslator safely.
// QTranslator trusts the lengths and offsets inside the file: a flipped
// byte in a message makes a later lookup read past the end. This walks
// every block and every message the hash table reaches with bounds checks
// first, and takes only the blocks our translations carry.
#include <QByteArrayView>

namespace zav::lang {

bool isSoundTranslationFile(QByteArrayView contents);

}  // namespace zav::lang
