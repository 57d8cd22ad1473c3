#include "zav/history/location.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

#include "zav/base/product.h"
#include "zav/base/settings.h"

namespace zav::history {
namespace {

// libpq's parameters a history URL may carry besides user, host, port and
// database; a password is never one of them.
const QStringList& AllowedOptions() {
    static const QStringList options = {QStringLiteral("sslmode"),
                                        QStringLiteral("sslrootcert"),
                                        QStringLiteral("sslcert"),
                                        QStringLiteral("sslkey"),
                                        QStringLiteral("sslcrl"),
                                        QStringLiteral("connect_timeout"),
                                        QStringLiteral("application_name"),
                                        QStringLiteral("service"),
                                        QStringLiteral("target_session_attrs")};
    return options;
}

bool IsServerUrl(const QString& text) {
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

}  // namespace

QString DefaultHistoryPath() {
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir(dataHome).filePath(base::productName() + QStringLiteral("/history.sqlite"));
}

QString ShownLocation(const QString& text) {
    if (!IsServerUrl(text)) return text;
    // The text itself, less a password in the user part or the parameters.
    static const QRegularExpression userPassword(QStringLiteral("^([a-z]+://[^:@/?#]*):[^@/?#]*@"),
                                                 QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression passwordParameter(QStringLiteral("([?&])password=[^&#]*&?"),
                                                      QRegularExpression::CaseInsensitiveOption);
    QString shown = text;
    shown.replace(userPassword, QStringLiteral("\\1@"));
    shown.replace(passwordParameter, QStringLiteral("\\1"));
    return shown;
}

bool ParseLocation(const QString& text, Location* location, QString* error) {
    *location = Location{};
    if (text.trimmed().isEmpty()) {
        location->path = DefaultHistoryPath();
        location->shown = location->path;
        return true;
    }
    if (!IsServerUrl(text)) {
        location->path = QDir::cleanPath(QDir::current().absoluteFilePath(text));
        location->shown = location->path;
        return true;
    }
    // libpq takes "postgresql://user@/db" (no host: the default socket),
    // which a URL parser refuses; the user is taken apart first.
    QString urlText = text;
    static const QRegularExpression noHost(QStringLiteral("^([a-z]+://)([^@/?#]*)@/"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = noHost.match(text);
    if (match.hasMatch()) urlText = match.captured(1) + text.mid(match.capturedEnd() - 1);
    const QUrl url(urlText, QUrl::StrictMode);
    location->kind = Location::Kind::Postgres;
    location->shown = ShownLocation(text);
    if (!url.isValid()) {
        *error = QCoreApplication::translate("zav", "the history URL %1 cannot be read")
                     .arg(location->shown);
        return false;
    }
    if (!url.password().isEmpty()) {
        *error = QCoreApplication::translate(
                     "zav",
                     "the history URL %1 carries a password; a password belongs in ~/.pgpass "
                     "or PGPASSWORD, never in the settings")
                     .arg(location->shown);
        return false;
    }
    location->user =
        match.hasMatch() ? QUrl::fromPercentEncoding(match.captured(2).toUtf8()) : url.userName();
    location->host = url.host();
    location->port = url.port(-1);
    location->database = url.path().mid(1);
    const QUrlQuery query(url);
    for (const auto& [name, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (name == QLatin1String("host")) {
            location->host = value;
        } else if (name == QLatin1String("port")) {
            bool ok = false;
            location->port = value.toInt(&ok);
            if (!ok || location->port <= 0 || location->port > 65535) {
                *error = QCoreApplication::translate("zav", "the history URL %1 has no valid port")
                             .arg(location->shown);
                return false;
            }
        } else if (name == QLatin1String("user")) {
            location->user = value;
        } else if (name == QLatin1String("dbname")) {
            location->database = value;
        } else if (AllowedOptions().contains(name) && !value.contains(u';')) {
            location->options << name + u'=' + value;
        } else {
            *error =
                QCoreApplication::translate(
                    "zav", "the history URL %1 has a parameter this program does not pass on: %2")
                    .arg(location->shown, name.left(40));
            return false;
        }
    }
    return true;
}

bool ChosenLocation(Location* location, QString* error) {
    QString text = qEnvironmentVariable("ZAV_HISTORY");
    if (text.isEmpty()) {
        const auto settings = base::settings::openUserSettings();
        text = settings
                   ->value(QStringLiteral("%1/%2").arg(
                       QLatin1String(base::settings::kHistoryGroup),
                       QLatin1String(base::settings::kHistoryDatabaseKey)))
                   .toString();
    }
    if (ParseLocation(text, location, error)) return true;
    ParseLocation(QString(), location, error);
    return false;
}

}  // namespace zav::history
