#include "zav/base/product.h"

#include "zav/version.h"

namespace zav::base {

QString productName() {
    return QString::fromUtf8(version::kProduct);
}

ProgramVersion programVersion() {
    return {version::kMajor, version::kMinor, version::kRevision};
}

}  // namespace zav::base
