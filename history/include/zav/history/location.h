#pragma once
// Where the service history lives: an SQLite file on this computer, or a
// PostgreSQL server named by a URL without a password. The environment's
// ZAV_HISTORY (a file path or such a URL) comes before the settings'
// [History] Database=, and both before the default file.
#include <QString>
#include <QStringList>

namespace zav::history {

struct Location {
    enum class Kind { Sqlite, Postgres };
    Kind kind = Kind::Sqlite;
    QString path;  // SQLite: the file
    // PostgreSQL: libpq's connection parameters, from the URL.
    QString user;
    QString host;  // a name, or the folder of a Unix socket
    int port = -1;
    QString database;
    QStringList options;  // "name=value" for libpq (sslmode, ...)
    QString shown;        // the URL without credentials, for messages
};

// $XDG_DATA_HOME/ZAV Diagnostics Tool/history.sqlite (a relative or unset
// XDG_DATA_HOME counts as ~/.local/share).
QString DefaultHistoryPath();

// The location `text` names: "postgresql://" or "postgres://" URLs a server,
// anything else a file path; empty text the default file. Returns false with
// the reason in `*error` for a URL it cannot use (a password in it, an
// unknown parameter); the reason never repeats the password.
bool ParseLocation(const QString& text, Location* location, QString* error);

// What `text` shows in a message: a URL without its password, or the text.
QString ShownLocation(const QString& text);

// The history the program uses now: ZAV_HISTORY, else the settings' key,
// else the default file. A text that cannot be used gives false and the
// reason, with `*location` the default file.
bool ChosenLocation(Location* location, QString* error);

}  // namespace zav::history
