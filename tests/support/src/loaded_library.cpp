#include "zav/test/loaded_library.h"

#include <cstdlib>

namespace zav::test {

bool LoadedLibrary::load(const std::string& file_name) {
    const char* dist = std::getenv("ZAV_DIST_DIR");
    if (!dist) {
        error_ = "ZAV_DIST_DIR is not set";
        return false;
    }
    error_.clear();
    return library_.load(std::string(dist) + '/' + file_name);
}

const std::string& LoadedLibrary::error() const {
    return error_.empty() ? library_.error() : error_;
}

}  // namespace zav::test
