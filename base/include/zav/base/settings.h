#pragma once
// The per-user settings store: where it lives, its section and its keys.
// Values are stored as text.
#include <QSettings>
#include <memory>

namespace zav::base::settings {

// Section of every key below.
inline constexpr char kStartupGroup[] = "Startup";
// Serial port number of the validator (16-bit integer; default 0).
inline constexpr char kPortKey[] = "Port";
// Language code chosen in the Language window (default "en").
inline constexpr char kCountryCodeKey[] = "CountryCode";
// Index of the chosen option in the Language window; 0 = by locale (default 0).
inline constexpr char kCountryCodeOptionKey[] = "CountryCodeOption";

// Section of the service history's key.
inline constexpr char kHistoryGroup[] = "History";
// Where the service history lives: an SQLite file's path, or a
// postgresql:// URL without a password (default: the user's data folder).
inline constexpr char kHistoryDatabaseKey[] = "Database";

// The user's settings: INI format in the user's configuration directory
// (XDG_CONFIG_HOME), organisation and application the product name.
std::unique_ptr<QSettings> openUserSettings();

// Writes `value` under `key` of section Startup, unless storing is off.
void store(const char* key, const QString& value);

// A run whose unit is not the stored one (training mode on a simulated
// unit, a port given for this run alone) reads the settings but writes
// none, so the next real run finds them as they were. On by default.
void setStoring(bool on);

}  // namespace zav::base::settings
