#include "zavdiag_runner.h"

#include <QDir>
#include <QFile>
#include <cstdlib>

namespace zav::cli::test {
namespace {

constexpr int kRunLimitMs = 120'000;

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
    const char* dist = std::getenv("ZAV_DIST_DIR");
    process_->start(QString::fromLocal8Bit(dist ? dist : ".") + QStringLiteral("/zavdiag"),
                    arguments);
}

void ZavdiagUser::SendInput(const QByteArray& input) {
    if (!process_) return;
    process_->write(input);
    process_->closeWriteChannel();
}

ZavdiagResult ZavdiagUser::Finish() {
    ZavdiagResult result;
    if (!process_ || !process_->waitForFinished(kRunLimitMs)) return result;
    result.exitCode = process_->exitStatus() == QProcess::NormalExit ? process_->exitCode() : -1;
    result.out = QString::fromUtf8(process_->readAllStandardOutput());
    result.err = QString::fromUtf8(process_->readAllStandardError());
    return result;
}

ZavdiagResult ZavdiagUser::Run(const QStringList& arguments) {
    Start(arguments);
    return Finish();
}

}  // namespace zav::cli::test
