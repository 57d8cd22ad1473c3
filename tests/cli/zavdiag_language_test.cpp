// zavdiag's own lines in the user's language: the usage, its refusals and
// the service report's captions, English where the language has none.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core_test_support.h"
#include "zavdiag_runner.h"

namespace zav::cli::test {
namespace {

class ZavdiagLanguageTest : public ::testing::Test {
  protected:
    void SetUp() override { app::test::ensureApplication(); }
};

TEST_F(ZavdiagLanguageTest, UsageAndRefusalsSpeakTheLocalesLanguage) {
    const struct {
        const char* locale;
        const char* usage;
        const char* portRule;
        const char* unknown;
    } cases[] = {
        {"de_DE.UTF-8", "Aufruf: zavdiag BEFEHL [OPTIONEN] | --help | --version\n",
         "zavdiag identify: die Portnummer muss 1 bis 255 sein\nAufruf: zavdiag identify [",
         "zavdiag: unbekannter Befehl repair\n"},
        {"es_ES.UTF-8", "Uso: zavdiag COMANDO [OPCIONES] | --help | --version\n",
         "zavdiag identify: el número de puerto debe ser de 1 a 255\nUso: zavdiag identify [",
         "zavdiag: comando desconocido repair\n"},
        // French is never chosen by the locale: English throughout.
        {"fr_FR.UTF-8", "Usage: zavdiag COMMAND [OPTIONS] | --help | --version\n",
         "zavdiag identify: the port number must be 1 to 255\nUsage: zavdiag identify [",
         "zavdiag: unknown command repair\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        ZavdiagUser user{QLatin1String(c.locale)};
        const ZavdiagResult help = user.Run({"--help"});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith(QString::fromUtf8(c.usage))) << help.out.toStdString();
        const ZavdiagResult port = user.Run({"identify", "--port", "0"});
        EXPECT_EQ(port.exitCode, 2);
        EXPECT_TRUE(port.err.contains(QString::fromUtf8(c.portRule))) << port.err.toStdString();
        const ZavdiagResult unknown = user.Run({"repair"});
        EXPECT_EQ(unknown.exitCode, 2);
        EXPECT_TRUE(unknown.err.startsWith(QString::fromUtf8(c.unknown)))
            << unknown.err.toStdString();
    }
}

// A German engineer's report: the language module's labels and verdict and
// our captions, all German.
TEST_F(ZavdiagLanguageTest, GermanReportHasGermanCaptions) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.html"));
    const ZavdiagResult run =
        ZavdiagUser(QStringLiteral("de_DE.UTF-8"))
            .Run({"diagnose", "--simulate", "TM6", "--paper-delay", "0", "--report", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith(QLatin1String("\nBESTANDEN\n"))) << run.out.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (const char* caption : {"Servicebericht", "Mechanik", "Grenzwerte", "Test ohne Papier",
                                "Test mit Grünpapier", "Sensortabelle", "Datum", "BESTANDEN"}) {
        EXPECT_TRUE(html.contains(QString::fromUtf8(caption))) << caption;
    }
    for (const char* english : {"Service report", "Mechanics", "Sensor table"}) {
        EXPECT_FALSE(html.contains(QLatin1String(english))) << english;
    }
}

}  // namespace
}  // namespace zav::cli::test
