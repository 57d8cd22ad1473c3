// `zavdiag diagnose --report` as a user runs it: the report beside the
// results file and the JSON, in the user's language; file names it cannot
// take; a run without results.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "core_test_support.h"
#include "report_pdf_tools.h"
#include "zavdiag_runner.h"

namespace zav::cli::test {
namespace {

class ReportZavdiagTest : public ::testing::Test {
  protected:
    void SetUp() override { app::test::ensureApplication(); }
    QTemporaryDir dir_;
};

TEST_F(ReportZavdiagTest, GermanReportBesideTheResultsFileAndTheJson) {
    const QString pdf = dir_.filePath(QStringLiteral("TM6.pdf"));
    const QString csv = dir_.filePath(QStringLiteral("TM6.csv"));
    const ZavdiagResult result = ZavdiagUser(QStringLiteral("de_DE.UTF-8"))
                                     .Run({"diagnose", "--simulate", "TM6", "--paper-delay", "0",
                                           "--report", pdf, "--csv", csv, "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(result.out.toUtf8()).object();
    EXPECT_EQ(json.value("verdict").toString(), QStringLiteral("BESTANDEN"));
    EXPECT_EQ(json.value("csv").toString(), csv);
    EXPECT_TRUE(QFile::exists(csv));

    const QString text = diag::test::PdfText(pdf);
    for (const QString& expected :
         {QStringLiteral("BESTANDEN"), QStringLiteral("Typ"), QStringLiteral("Serial Nr."),
          QStringLiteral("Datensatz Ver."), QStringLiteral("Motor vorwärts"),
          QStringLiteral("Motor rückwärts"), QStringLiteral("Stapler"),
          QStringLiteral("Zentriereinheit"), QStringLiteral("Wert"),
          QStringLiteral("3289480992")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }
    EXPECT_FALSE(text.contains(QStringLiteral("PASSED")));
    EXPECT_EQ(text.count(QStringLiteral("FEHLGESCHLAGEN")), 2) << "only in the charts' legends";
}

TEST_F(ReportZavdiagTest, ReportThatCannotBeMadeIsRefusedWithAReason) {
    const ZavdiagResult badName = ZavdiagUser().Run(
        {"diagnose", "--simulate", "TM6", "--report", dir_.filePath(QStringLiteral("r.txt"))});
    EXPECT_EQ(badName.exitCode, 2);
    EXPECT_TRUE(badName.err.contains(QLatin1String("must end in .pdf or .html")))
        << badName.err.toStdString();

    const QString missing = dir_.filePath(QStringLiteral("no/such/folder/r.html"));
    const ZavdiagResult noFolder = ZavdiagUser().Run(
        {"diagnose", "--simulate", "TM6", "--paper-delay", "0", "--report", missing});
    EXPECT_EQ(noFolder.exitCode, 0) << "the unit passed; only the file is missing";
    EXPECT_TRUE(noFolder.err.contains(QStringLiteral("zavdiag diagnose: Couldn't save results!\n") +
                                      missing + ": "))
        << noFolder.err.toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    const QString unanswered = dir_.filePath(QStringLiteral("r.pdf"));
    const ZavdiagResult noResults = ZavdiagUser().Run(
        {"diagnose", "--simulate", "TM6", "--fault", "noack=85", "--report", unanswered});
    EXPECT_EQ(noResults.exitCode, 1) << "the unit was identified, then its tests failed";
    EXPECT_TRUE(noResults.err.contains(QLatin1String("the run has no results to save")))
        << noResults.err.toStdString();
    EXPECT_FALSE(QFile::exists(unanswered));
}

}  // namespace
}  // namespace zav::cli::test
