#pragma once
// A shared library of the build loaded by hand, not linked, so a test can
// unload it for real and load it afresh.
#include <string>

#include "zav/platform/shared_library.h"

namespace zav::test {

class LoadedLibrary {
  public:
    // Loads `file_name` from the build's program directory (ZAV_DIST_DIR).
    // False when it cannot; error() says why.
    bool load(const std::string& file_name);
    // Points `call` at the library's export `name`; false when it has none.
    template <typename Call>
    bool bind(Call*& call, const char* name) {
        call = reinterpret_cast<Call*>(library_.symbol(name));
        return call != nullptr;
    }
    void release() { library_.release(); }
    const std::string& error() const;

  private:
    platform::SharedLibrary library_;
    std::string error_;
};

}  // namespace zav::test
