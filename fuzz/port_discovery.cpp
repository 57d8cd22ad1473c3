// A sysfs tree, generated from the input, into the serial port discovery.
// The input is a list of lines "name|driver|type": a tty entry under
// class/tty, the link target of its device/driver (any text, the longest
// beyond what the reader takes) and its type file; a line "=n|path" sets the
// override ZAV_COM<n> instead.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "zav/platform/ports.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMaxEntries = 16;
constexpr std::size_t kMaxNameLength = 64;
constexpr std::size_t kMaxLinkLength = 1000;

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(3);
    std::size_t field = 0;
    for (const char c : line) {
        if (c == '|' && field < 2) {
            ++field;
        } else {
            fields[field].push_back(c);
        }
    }
    return fields;
}

// A file name the tree can hold: no separator, no NUL, not "." or "..".
std::string EntryName(std::string name) {
    for (char& c : name) {
        if (c == '/' || c == '\0') c = '_';
    }
    if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);
    if (name.empty() || name == "." || name == "..") name = "tty";
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path root = [] {
        char pattern[] = "/tmp/zav_fuzz_sysfs_XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) std::abort();
        return fs::path(made);
    }();
    std::error_code error;
    fs::remove_all(root / "class", error);
    const fs::path tty = root / "class" / "tty";
    fs::create_directories(tty, error);

    zav::fuzz::FuzzInput input(data, size);
    std::vector<std::string> overrides;
    for (int entry = 0; entry < kMaxEntries && !input.empty(); ++entry) {
        const std::vector<std::string> f = Fields(input.text_until('\n'));
        if (!f[0].empty() && f[0][0] == '=') {
            const int n = std::atoi(f[0].c_str() + 1);
            if (n < 1 || n > 255 || f[1].find('\0') != std::string::npos) continue;
            const std::string name = "ZAV_COM" + std::to_string(n);
            setenv(name.c_str(), f[1].c_str(), 1);
            overrides.push_back(name);
            continue;
        }
        const fs::path device = tty / EntryName(f[0]);
        fs::create_directories(device / "device", error);
        std::string target = f[1].substr(0, kMaxLinkLength);
        if (target.find('\0') != std::string::npos) target.resize(target.find('\0'));
        if (!target.empty()) fs::create_symlink(target, device / "device" / "driver", error);
        std::ofstream(device / "type", std::ios::binary) << f[2];
    }
    zav::platform::discover_ports(root.string());
    for (const std::string& name : overrides) unsetenv(name.c_str());
    return 0;
}
