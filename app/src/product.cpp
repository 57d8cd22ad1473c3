#include "zav/app/product.h"

namespace zav::app {

QString productName() { return QStringLiteral("ZAV Diagnostics Tool"); }

ProgramVersion programVersion() { return {1, 0, 4}; }

}  // namespace zav::app
