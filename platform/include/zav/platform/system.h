#pragma once
// Facts about the running program and its user.
#include <cstdint>
#include <string>

namespace zav::platform {

// Directory of the running executable, with a trailing '/'.
std::string program_directory();

// The temporary directory (TMPDIR or /tmp), with a trailing '/'. Empty when
// it does not exist.
std::string temp_directory();

bool file_exists(const std::string& path);

// Whether standard input or standard output is a terminal (a user at it).
bool stdin_is_terminal();
bool stdout_is_terminal();

// The computer's network name; empty when the system does not give one.
std::string host_name();

// The user's language as a Windows language identifier (e.g. 0x0C0A for
// es_ES), from LC_ALL, LC_MESSAGES or LANG; 0 for C, POSIX or unknown.
std::uint16_t user_language_id();
// The same mapping for one locale name such as "de_CH.UTF-8".
std::uint16_t language_id_for_locale(const std::string& locale);

}  // namespace zav::platform
