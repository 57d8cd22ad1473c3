#include "postgres_server.h"

#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QUrl>
#include <QVersionNumber>

namespace zav::history::test {
namespace {

constexpr int kPort = 5432;

}  // namespace

QString PostgresServer::ProgramFolder() {
    // Debian keeps each major version's programs apart; the newest counts.
    const QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QString best;
    QVersionNumber bestVersion;
    for (const QString& entry : versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QVersionNumber version = QVersionNumber::fromString(entry);
        if (QFile::exists(versions.filePath(entry + QStringLiteral("/bin/initdb"))) &&
            version > bestVersion) {
            bestVersion = version;
            best = versions.filePath(entry + QStringLiteral("/bin"));
        }
    }
    return best;
}

PostgresServer::PostgresServer() {
    if (ProgramFolder().isEmpty()) {
        error_ = QStringLiteral("the PostgreSQL server is not installed");
        return;
    }
    asNobody_ = ::geteuid() == 0;
    // Under /tmp, so the unprivileged user can reach it whatever TMPDIR is.
    folder_ = std::make_unique<QTemporaryDir>(asNobody_ ? QStringLiteral("/tmp/zav-pg-XXXXXX")
                                                        : QDir::tempPath() + "/zav-pg-XXXXXX");
    if (!folder_->isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return;
    }
    data_ = folder_->filePath(QStringLiteral("data"));
    if (asNobody_ && QProcess::execute(QStringLiteral("chown"),
                                       {QStringLiteral("nobody:nogroup"), folder_->path()}) != 0) {
        error_ = QStringLiteral("the folder cannot be given to nobody");
        return;
    }
    if (!Run(QStringLiteral("initdb"),
             {QStringLiteral("-D"), data_, QStringLiteral("-U"), QStringLiteral("zav"),
              QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"),
              QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("--no-sync")}))
        return;
    Start();
}

PostgresServer::~PostgresServer() {
    Stop();
}

bool PostgresServer::Run(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString path = ProgramFolder() + u'/' + program;
    if (asNobody_) {
        process.start(
            QStringLiteral("setpriv"),
            QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                        QStringLiteral("--clear-groups"), QStringLiteral("--"), path} +
                arguments);
    } else {
        process.start(path, arguments);
    }
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        error_ = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll());
        return false;
    }
    return true;
}

bool PostgresServer::Start() {
    const QString options = QStringLiteral("-k %1 -p %2 -c listen_addresses= -c fsync=off")
                                .arg(folder_->path())
                                .arg(kPort);
    running_ =
        Run(QStringLiteral("pg_ctl"),
            {QStringLiteral("-D"), data_, QStringLiteral("-o"), options, QStringLiteral("-l"),
             folder_->filePath(QStringLiteral("log")), QStringLiteral("-w"), QStringLiteral("-t"),
             QStringLiteral("60"), QStringLiteral("start")});
    return running_;
}

void PostgresServer::Stop() {
    if (!running_) return;
    Run(QStringLiteral("pg_ctl"),
        {QStringLiteral("-D"), data_, QStringLiteral("-m"), QStringLiteral("fast"),
         QStringLiteral("-w"), QStringLiteral("stop")});
    running_ = false;
}

QString PostgresServer::Url(const QString& database) const {
    return QStringLiteral("postgresql://zav@/") + database + QStringLiteral("?host=") +
           QString::fromLatin1(QUrl::toPercentEncoding(folder_->path())) +
           QStringLiteral("&port=") + QString::number(kPort);
}

bool PostgresServer::CreateDatabase(const QString& name) {
    return Run(QStringLiteral("createdb"),
               {QStringLiteral("-h"), folder_->path(), QStringLiteral("-p"), QString::number(kPort),
                QStringLiteral("-U"), QStringLiteral("zav"), name});
}

}  // namespace zav::history::test
