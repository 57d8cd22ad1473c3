#pragma once
// Runs the built zavdiag as a user would, with its own settings directory
// and language, several at a time when a test wants.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace zav::cli::test {

struct ZavdiagResult {
    int exitCode = -1;
    QString out;  // standard output: the results
    QString err;  // standard error: status lines and messages
};

// The environment of one user: a settings directory of its own and the
// locale `lang`.
class ZavdiagUser {
  public:
    explicit ZavdiagUser(const QString& lang = QStringLiteral("en_GB.UTF-8"));

    // Stores the settings "Port" as the port options would.
    void StorePort(int port);
    // Points COM<n> at `path` for the programs this user starts.
    void PointPort(int n, const QString& path);

    // Starts zavdiag with `arguments`; Finish() waits for it.
    void Start(const QStringList& arguments);
    // Writes `input` to the running zavdiag's standard input and closes it.
    void SendInput(const QByteArray& input);
    // Waits up to `ms` until the running zavdiag has written `text` to
    // standard error (or standard output, with `out`); true when it has.
    bool WaitFor(const QString& text, int ms, bool out = false);
    // Sends the running zavdiag signal `number` (SIGINT is Ctrl-C).
    void Signal(int number);
    ZavdiagResult Finish();
    // Both at once.
    ZavdiagResult Run(const QStringList& arguments);

  private:
    QTemporaryDir configHome_;
    QProcessEnvironment environment_;
    std::unique_ptr<QProcess> process_;
    QByteArray out_;  // read so far
    QByteArray err_;
};

// A zavsim process serving a simulated unit, for runs that must meet the
// same unit one after the other. Stopped when it goes.
class ZavsimProcess {
  public:
    // Starts zavsim with `arguments` and reads the slave path it prints.
    explicit ZavsimProcess(const QStringList& arguments);
    ~ZavsimProcess();
    // The pseudo-terminal to point a port at; empty when it did not start.
    const QString& path() const { return path_; }
    // Ends the simulator now: the unit and its port vanish.
    void Stop();

  private:
    QProcess process_;
    QString path_;
};

}  // namespace zav::cli::test
