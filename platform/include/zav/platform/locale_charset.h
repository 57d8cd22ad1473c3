#pragma once
// The character set of the user's locale, and conversion of UTF-8 text to
// and from it.
#include <string>
#include <string_view>

namespace zav::platform {

// Name of the character set of the user's locale (from LC_ALL, LC_CTYPE or
// LANG) as the C library spells it, e.g. "UTF-8" or "ISO-8859-1". The C and
// POSIX locales, and locales that are not installed, count as "UTF-8".
std::string locale_charset();

// UTF-8 text converted to the named character set. Characters the set cannot
// hold and malformed input become '?'. For UTF-8 the bytes stay as they are.
// Throws std::system_error when the character set is unknown.
std::string utf8_to_charset(std::string_view utf8, const std::string& charset);

// Text in the named character set converted to UTF-8. Bytes that are not
// valid in the set become U+FFFD. For UTF-8 the bytes stay as they are.
// Throws std::system_error when the character set is unknown.
std::string charset_to_utf8(std::string_view text, const std::string& charset);

}  // namespace zav::platform
