#include "zav/app/product.h"

#include "zav/app/version.h"

namespace zav::app {

QString productName() {
    return QString::fromUtf8(version::kProduct);
}

ProgramVersion programVersion() {
    return {version::kMajor, version::kMinor, version::kRevision};
}

}  // namespace zav::app
