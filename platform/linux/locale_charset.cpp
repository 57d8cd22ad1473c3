#include "zav/platform/locale_charset.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace zav::platform {
namespace {

bool is_utf8(const std::string& charset) {
    return ::strcasecmp(charset.c_str(), "UTF-8") == 0 ||
           ::strcasecmp(charset.c_str(), "UTF8") == 0;
}

// Length of the malformed or unconvertible UTF-8 sequence to skip at text.
std::size_t utf8_sequence_length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    }
    std::size_t n = 1;
    while (n < length && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) {
        ++n;
    }
    return n;
}

class Converter {
  public:
    Converter(const std::string& to, const std::string& from)
        : cd_(::iconv_open(to.c_str(), from.c_str())) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::system_error(errno, std::generic_category(),
                                    "iconv_open " + from + " to " + to);
        }
    }
    ~Converter() { ::iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts text; at a sequence iconv refuses, skip(rest) bytes are dropped
    // and replacement is written instead.
    template <typename Skip>
    std::string convert(std::string_view text, std::string_view replacement, Skip skip) {
        std::string out;
        char buffer[4096];
        while (!text.empty()) {
            char* in = const_cast<char*>(text.data());
            std::size_t in_left = text.size();
            char* out_at = buffer;
            std::size_t out_left = sizeof buffer;
            const std::size_t result = ::iconv(cd_, &in, &in_left, &out_at, &out_left);
            const int error = errno;
            out.append(buffer, static_cast<std::size_t>(out_at - buffer));
            text.remove_prefix(text.size() - in_left);
            if (result != static_cast<std::size_t>(-1) || error == E2BIG) continue;
            // EILSEQ (refused sequence) or EINVAL (sequence cut at the end).
            out += replacement;
            text.remove_prefix(std::min(text.size(), skip(text)));
        }
        // Let a stateful character set return to its initial state.
        char* out_at = buffer;
        std::size_t out_left = sizeof buffer;
        if (::iconv(cd_, nullptr, nullptr, &out_at, &out_left) != static_cast<std::size_t>(-1)) {
            out.append(buffer, static_cast<std::size_t>(out_at - buffer));
        }
        return out;
    }

  private:
    iconv_t cd_;
};

}  // namespace

std::string locale_charset() {
    const locale_t locale = ::newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) return "UTF-8";
    std::string charset = ::nl_langinfo_l(CODESET, locale);
    ::freelocale(locale);
    if (charset.empty() || charset == "ANSI_X3.4-1968") return "UTF-8";
    return charset;
}

std::string utf8_to_charset(std::string_view utf8, const std::string& charset) {
    if (is_utf8(charset)) return std::string(utf8);
    return Converter(charset, "UTF-8").convert(utf8, "?", utf8_sequence_length);
}

std::string charset_to_utf8(std::string_view text, const std::string& charset) {
    if (is_utf8(charset)) return std::string(text);
    return Converter("UTF-8", charset)
        .convert(text, "\xEF\xBF\xBD", [](std::string_view) -> std::size_t { return 1; });
}

}  // namespace zav::platform
