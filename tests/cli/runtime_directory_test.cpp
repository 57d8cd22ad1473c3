// The programs as started under su, sudo or cron, where XDG_RUNTIME_DIR is
// unset or another user's: Qt's warning about it never reaches the user,
// and a runtime directory that is fine is kept.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>

namespace zav::cli::test {
namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray err;
};

class RuntimeDirectoryTest : public ::testing::Test {
  protected:
    // Starts a program of the build with XDG_RUNTIME_DIR as `runtime`
    // (unset when nothing) and a temporary folder of the test's own.
    Outcome Start(const char* program, const QStringList& arguments,
                  const std::optional<QString>& runtime) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path());
        environment.insert(QStringLiteral("TMPDIR"), tmp_.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        if (runtime) environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), *runtime);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(
            QString::fromLocal8Bit(qgetenv("ZAV_DIST_DIR")) + u'/' + QLatin1String(program),
            arguments);
        if (!process.waitForFinished(120'000)) return {};
        return {process.exitCode(), process.readAllStandardError()};
    }
    // The desktop program makes its application, then refuses the model.
    Outcome StartDesktop(const std::optional<QString>& runtime) {
        return Start("ZAVDiagnostics", {"--simulate", "TM9"}, runtime);
    }
    QString OwnDirectory() const {
        return tmp_.filePath(QStringLiteral("zav-diagnostics-runtime-%1").arg(::geteuid()));
    }
    QString Made(const char* name, QFile::Permissions permissions) {
        const QString path = tmp_.filePath(QLatin1String(name));
        EXPECT_TRUE(QDir().mkpath(path));
        EXPECT_TRUE(QFile::setPermissions(path, permissions));
        return path;
    }

    QTemporaryDir home_;
    QTemporaryDir tmp_;
};

constexpr QFile::Permissions kPrivate = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
const QByteArray kDesktopRefusal = "ZAVDiagnostics: unknown model TM9";

TEST_F(RuntimeDirectoryTest, NoWarningWhenItIsUnsetOrUnusable) {
    const QString file = tmp_.filePath(QStringLiteral("a-file"));
    QFile(file).open(QIODevice::WriteOnly);
    const std::optional<QString> runtimes[] = {
        std::nullopt, QString(), Made("open-to-all", kPrivate | QFile::ReadOther | QFile::ExeOther),
        file, tmp_.filePath(QStringLiteral("missing"))};
    for (const auto& runtime : runtimes) {
        SCOPED_TRACE(runtime ? runtime->toStdString() : "unset");
        const Outcome run = StartDesktop(runtime);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(kDesktopRefusal)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
    struct stat own {};
    ASSERT_EQ(::lstat(QFile::encodeName(OwnDirectory()).constData(), &own), 0);
    EXPECT_TRUE(S_ISDIR(own.st_mode));
    EXPECT_EQ(own.st_mode & 07777, 0700u);

    // Another user's directory, as under su (root can enter it, Qt still
    // warns).
    if (::geteuid() == 0) {
        const QString others = Made("others", kPrivate);
        ASSERT_EQ(::chown(QFile::encodeName(others).constData(), 65534, 65534), 0);
        const Outcome run = StartDesktop(others);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(kDesktopRefusal)) << run.err.toStdString();
    }

    // The service report, which zavdiag writes without a display.
    const Outcome report = Start("zavdiag",
                                 {"diagnose", "--simulate", "TM6", "--paper-delay", "0", "--report",
                                  tmp_.filePath(QStringLiteral("r.pdf"))},
                                 std::nullopt);
    EXPECT_EQ(report.exitCode, 0) << report.err.toStdString();
    EXPECT_FALSE(report.err.contains("XDG_RUNTIME_DIR")) << report.err.toStdString();
    EXPECT_FALSE(report.err.contains("runtime directory")) << report.err.toStdString();
    EXPECT_TRUE(QFileInfo(tmp_.filePath(QStringLiteral("r.pdf"))).size() > 0);
}

// A runtime directory of this user with mode 0700 stays; the program's own
// name, when taken by a link or another's folder, is left alone.
TEST_F(RuntimeDirectoryTest, AGoodOneIsKeptAndATakenNameIsLeftAlone) {
    const QString good = Made("good", kPrivate);
    const Outcome kept = StartDesktop(good);
    EXPECT_TRUE(kept.err.startsWith(kDesktopRefusal)) << kept.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(OwnDirectory()));

    const QString target = Made("target", kPrivate);
    ASSERT_TRUE(QFile::link(target, OwnDirectory()));
    const Outcome linked = StartDesktop(std::nullopt);
    EXPECT_EQ(linked.exitCode, 2);
    EXPECT_TRUE(linked.err.startsWith(kDesktopRefusal)) << linked.err.toStdString();
    EXPECT_EQ(linked.err.count('\n'), 1) << linked.err.toStdString();
    EXPECT_TRUE(QFileInfo(OwnDirectory()).isSymLink());
    EXPECT_EQ(QDir(tmp_.path())
                  .entryList({QStringLiteral("zav-diagnostics-runtime-*")},
                             QDir::AllEntries | QDir::System)
                  .size(),
              2)
        << "the link and a fresh directory";
}

}  // namespace
}  // namespace zav::cli::test
