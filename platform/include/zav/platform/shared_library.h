#pragma once
// Loading a shared library by path and looking up its symbols.
#include <string>

namespace zav::platform {

class SharedLibrary {
public:
    SharedLibrary() = default;
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;

    // Loads the library privately (its symbols do not satisfy other
    // libraries). False on failure; error() then says why.
    bool load(const std::string& path);
    bool is_loaded() const { return handle_ != nullptr; }
    // Address of an exported symbol, or nullptr (error() says why).
    void* symbol(const char* name);
    void release();
    const std::string& error() const { return error_; }

    // The platform's file name suffix for shared libraries (".so").
    static const char* suffix();

private:
    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace zav::platform
