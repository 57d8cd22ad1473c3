#include "zav/platform/shared_library.h"

#include <dlfcn.h>

#include <utility>

namespace zav::platform {

SharedLibrary::~SharedLibrary() { release(); }

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, nullptr);
        error_ = std::move(other.error_);
    }
    return *this;
}

bool SharedLibrary::load(const std::string& path) {
    release();
    handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = ::dlerror();
        error_ = why ? why : "cannot load " + path;
        return false;
    }
    error_.clear();
    return true;
}

void* SharedLibrary::symbol(const char* name) {
    if (!handle_) {
        error_ = "library not loaded";
        return nullptr;
    }
    ::dlerror();
    void* address = ::dlsym(handle_, name);
    if (!address) {
        const char* why = ::dlerror();
        error_ = why ? why : std::string("symbol not found: ") + name;
    }
    return address;
}

void SharedLibrary::release() {
    if (handle_) ::dlclose(std::exchange(handle_, nullptr));
}

const char* SharedLibrary::suffix() { return ".so"; }

}  // namespace zav::platform
