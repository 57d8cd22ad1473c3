#pragma once
// A PostgreSQL server of the test's own: a new cluster in a temporary
// folder, listening on a Unix socket there and on no network, stopped when
// it goes. Run as an unprivileged user when the test runs as root, since
// the server refuses root.
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace zav::history::test {

class PostgresServer {
  public:
    // The folder of the server's programs; empty when it is not installed.
    static QString ProgramFolder();

    // Makes the cluster and starts the server; ok() says whether it runs.
    PostgresServer();
    ~PostgresServer();

    bool ok() const { return running_; }
    const QString& error() const { return error_; }
    // postgresql://zav@/NAME?host=<socket folder>, a database of the
    // cluster; CreateDatabase makes another.
    QString Url(const QString& database = QStringLiteral("postgres")) const;
    bool CreateDatabase(const QString& name);

    bool Start();
    void Stop();

  private:
    // Runs one of the server's programs, as the server's user.
    bool Run(const QString& program, const QStringList& arguments, int timeoutMs = 60000);

    std::unique_ptr<QTemporaryDir> folder_;
    QString data_;
    bool asNobody_ = false;
    bool running_ = false;
    QString error_;
};

}  // namespace zav::history::test
