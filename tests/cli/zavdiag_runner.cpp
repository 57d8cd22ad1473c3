#include "zavdiag_runner.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <csignal>
#include <cstdlib>

namespace zav::cli::test {
namespace {

constexpr int kRunLimitMs = 120'000;
constexpr int kStartLimitMs = 10'000;

QString DistProgram(const char* name) {
    const char* dist = std::getenv("ZAV_DIST_DIR");
    return QString::fromLocal8Bit(dist ? dist : ".") + u'/' + QLatin1String(name);
}

}  // namespace

ZavdiagUser::ZavdiagUser(const QString& lang)
    : environment_(QProcessEnvironment::systemEnvironment()) {
    environment_.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome_.path());
    environment_.insert(QStringLiteral("LANG"), lang);
    environment_.remove(QStringLiteral("LC_ALL"));
    environment_.remove(QStringLiteral("LC_MESSAGES"));
}

void ZavdiagUser::StorePort(int port) {
    const QString directory = configHome_.filePath(QStringLiteral("ZAV Diagnostics Tool"));
    QDir().mkpath(directory);
    QFile settings(directory + QStringLiteral("/ZAV Diagnostics Tool.ini"));
    if (settings.open(QIODevice::WriteOnly)) {
        settings.write(QStringLiteral("[Startup]\nPort=%1\n").arg(port).toUtf8());
    }
}

void ZavdiagUser::PointPort(int n, const QString& path) {
    environment_.insert(QStringLiteral("ZAV_COM%1").arg(n), path);
}

void ZavdiagUser::Start(const QStringList& arguments) {
    process_ = std::make_unique<QProcess>();
    process_->setProcessEnvironment(environment_);
    out_.clear();
    err_.clear();
    process_->start(DistProgram("zavdiag"), arguments);
}

void ZavdiagUser::SendInput(const QByteArray& input) {
    if (!process_) return;
    process_->write(input);
    process_->closeWriteChannel();
}

bool ZavdiagUser::WaitFor(const QString& text, int ms, bool out) {
    if (!process_) return false;
    const QByteArray wanted = text.toUtf8();
    // Each channel wakes the loop: QProcess::waitForReadyRead would wait for
    // standard output alone.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    const auto check = [&] {
        out_ += process_->readAllStandardOutput();
        err_ += process_->readAllStandardError();
        if ((out ? out_ : err_).contains(wanted)) loop.quit();
    };
    QObject::connect(process_.get(), &QProcess::readyReadStandardOutput, &loop, check);
    QObject::connect(process_.get(), &QProcess::readyReadStandardError, &loop, check);
    QObject::connect(process_.get(), &QProcess::finished, &loop, &QEventLoop::quit);
    check();
    if (!(out ? out_ : err_).contains(wanted) && process_->state() != QProcess::NotRunning) {
        loop.exec();
    }
    return (out ? out_ : err_).contains(wanted);
}

void ZavdiagUser::Signal(int number) {
    if (process_ && process_->processId() > 0) {
        ::kill(static_cast<pid_t>(process_->processId()), number);
    }
}

ZavdiagResult ZavdiagUser::Finish() {
    ZavdiagResult result;
    if (!process_ || !process_->waitForFinished(kRunLimitMs)) return result;
    result.exitCode = process_->exitStatus() == QProcess::NormalExit ? process_->exitCode() : -1;
    result.out = QString::fromUtf8(out_ + process_->readAllStandardOutput());
    result.err = QString::fromUtf8(err_ + process_->readAllStandardError());
    return result;
}

ZavdiagResult ZavdiagUser::Run(const QStringList& arguments) {
    Start(arguments);
    return Finish();
}

ZavsimProcess::ZavsimProcess(const QStringList& arguments) {
    process_.start(DistProgram("zavsim"), arguments);
    // It prints "COM<n> <path>" first.
    while (process_.waitForReadyRead(kStartLimitMs) || process_.canReadLine()) {
        if (!process_.canReadLine()) continue;
        const QList<QByteArray> words = process_.readLine().trimmed().split(' ');
        if (words.size() == 2) path_ = QString::fromLocal8Bit(words[1]);
        break;
    }
}

ZavsimProcess::~ZavsimProcess() {
    Stop();
}

void ZavsimProcess::Stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(kStartLimitMs)) process_.kill();
    process_.waitForFinished(kStartLimitMs);
}

}  // namespace zav::cli::test
