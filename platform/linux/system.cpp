#include "zav/platform/system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace zav::platform {
namespace {

struct LocaleId {
    std::string_view name;  // language_TERRITORY, or a bare language
    std::uint16_t id;
};

// Windows language identifiers of the locales we know. A bare language
// stands for its primary territory.
constexpr LocaleId kLocaleIds[] = {
    {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09}, {"en_CA", 0x1009},
    {"en_NZ", 0x1409}, {"en_IE", 0x1809}, {"en_ZA", 0x1C09}, {"en", 0x0409},
    {"fr_FR", 0x040C}, {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C},
    {"fr_LU", 0x140C}, {"fr", 0x040C},    {"de_DE", 0x0407}, {"de_CH", 0x0807},
    {"de_AT", 0x0C07}, {"de_LU", 0x1007}, {"de_LI", 0x1407}, {"de", 0x0407},
    {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"pt", 0x0816},    {"ru_RU", 0x0419},
    {"ru_MD", 0x0819}, {"ru", 0x0419},    {"es_ES", 0x0C0A}, {"es_MX", 0x080A},
    {"es_GT", 0x100A}, {"es_CR", 0x140A}, {"es_PA", 0x180A}, {"es_DO", 0x1C0A},
    {"es_VE", 0x200A}, {"es_CO", 0x240A}, {"es_PE", 0x280A}, {"es_AR", 0x2C0A},
    {"es_EC", 0x300A}, {"es_CL", 0x340A}, {"es_UY", 0x380A}, {"es_PY", 0x3C0A},
    {"es_BO", 0x400A}, {"es_SV", 0x440A}, {"es_HN", 0x480A}, {"es_NI", 0x4C0A},
    {"es_PR", 0x500A}, {"es_US", 0x540A}, {"es", 0x0C0A},    {"it_IT", 0x0410},
    {"it_CH", 0x0810}, {"it", 0x0410},    {"nl_NL", 0x0413}, {"nl_BE", 0x0813},
    {"nl", 0x0413},    {"pl_PL", 0x0415}, {"pl", 0x0415},    {"ja_JP", 0x0411},
    {"ja", 0x0411},    {"zh_CN", 0x0804}, {"zh_TW", 0x0404}, {"zh", 0x0804},
};

std::uint16_t lookup(std::string_view key) {
    for (const auto& e : kLocaleIds) {
        if (e.name == key) return e.id;
    }
    return 0;
}

}  // namespace

std::string program_directory() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "./";
    std::string dir(path, static_cast<std::size_t>(n));
    dir.erase(dir.rfind('/') + 1);
    return dir;
}

std::string temp_directory() {
    const char* env = std::getenv("TMPDIR");
    std::string dir = (env && *env) ? env : "/tmp";
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return {};
    if (dir.back() != '/') dir += '/';
    return dir;
}

bool stdin_is_terminal() {
    return ::isatty(STDIN_FILENO) == 1;
}

bool stdout_is_terminal() {
    return ::isatty(STDOUT_FILENO) == 1;
}

bool file_exists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string host_name() {
    // A name longer than the buffer is cut and may lack its terminator, so
    // the buffer keeps one of its own.
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

std::uint16_t language_id_for_locale(const std::string& locale) {
    // language[_TERRITORY][.codeset][@modifier]
    std::string_view name(locale);
    const auto modifier_at = name.find('@');
    const std::string_view modifier =
        modifier_at == std::string_view::npos ? std::string_view{} : name.substr(modifier_at + 1);
    name = name.substr(0, std::min(name.find('.'), modifier_at));
    if (name.empty() || name == "C" || name == "POSIX") return 0;
    if (name == "es_ES" && modifier == "traditional") return 0x040A;
    if (const std::uint16_t id = lookup(name)) return id;
    return lookup(name.substr(0, name.find('_')));
}

std::uint16_t user_language_id() {
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(var);
        if (value && *value) return language_id_for_locale(value);
    }
    return 0;
}

}  // namespace zav::platform
