#include "zav/platform/runtime_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace zav::platform {
namespace {

// A directory (not a link to one) of this user that only this user may
// enter, as Qt requires.
bool private_directory(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0700;
}

std::string temporary_folder() {
    const char* tmpdir = std::getenv("TMPDIR");
    std::string folder = tmpdir && *tmpdir == '/' ? tmpdir : "/tmp";
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

std::string ensure_runtime_directory() {
    const char* current = std::getenv("XDG_RUNTIME_DIR");
    if (current && private_directory(current)) return current;

    // One name per user, reused from run to run. In a shared folder it may
    // be another user's, a link or a file: then a fresh name is made.
    const std::string stem =
        temporary_folder() + "/zav-diagnostics-runtime-" + std::to_string(::geteuid());
    std::string chosen;
    if ((::mkdir(stem.c_str(), 0700) == 0 || errno == EEXIST) && private_directory(stem)) {
        chosen = stem;
    } else {
        std::string pattern = stem + "-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (::mkdtemp(name.data()) && private_directory(name.data())) chosen = name.data();
    }
    if (!chosen.empty()) ::setenv("XDG_RUNTIME_DIR", chosen.c_str(), 1);
    return chosen;
}

}  // namespace zav::platform
