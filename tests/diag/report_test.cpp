// The service report of simulated TM6 runs, read back as a customer would:
// the PDF through pdftotext and pdftoppm, the HTML through an XML parser.
// The identity, the verdict and every reading; an out-of-limit sensor in
// red; an aborted run; a folder that cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

#include "core_test_support.h"
#include "report_pdf_tools.h"
#include "zav/app/current_port.h"
#include "zav/app/link_api.h"
#include "zav/app/serial_api.h"
#include "zav/base/program_directory.h"
#include "zav/diag/diagnostic_session.h"
#include "zav/diag/results_csv.h"
#include "zav/diag/service_report.h"
#include "zav/sim/simulator.h"

namespace zav::diag {
namespace {

using namespace std::chrono_literals;
using test::FindLine;
using test::PdfLine;

constexpr std::chrono::milliseconds kTick = 20ms;
constexpr std::int16_t kPort = 113;
const QString kPassGreen = QStringLiteral("#00c000");
const QString kFailRed = QStringLiteral("#ff0000");

class ServiceReportTest : public ::testing::Test {
  protected:
    // The built libraries and English texts; the application is main()'s.
    static void SetUpTestSuite() {
        app::test::installEnglishTexts();
        base::SetProgramDirectory(app::test::distDirectory());
    }
    void TearDown() override {
        app::Link().CloseComm();
        app::Serial().ClosePort();
    }

    // A whole diagnostic of a simulated TM6 with RAM-utility faults.
    DiagnosticSession& RunTm6(std::initializer_list<const char*> faults = {}) {
        sim::Options options;
        options.model = "TM6";
        options.test_step_ms = 0;
        options.paper_delay_ms = 0;
        unit_ = std::make_unique<sim::Simulator>(options);
        for (const char* text : faults) {
            std::string why;
            EXPECT_TRUE(unit_->add_fault_text(text, &why)) << text << ": " << why;
        }
        std::string why;
        EXPECT_TRUE(unit_->start(&why)) << why;
        unit_->export_port(kPort);
        app::SetCurrentPort(kPort);
        session_ = std::make_unique<DiagnosticSession>(zav::app::CurrentPort(), kTick, frontEnd_);
        session_->start();
        return *session_;
    }

    // The last run, dated as the tests expect.
    RunRecord Input() const {
        RunRecord run = session_->lastRun();
        run.started = runTime_;
        return run;
    }

    // Writes the report of the last run; empty when it failed.
    QString Write(const QString& name) {
        const QString path = dir_.filePath(name);
        QString error;
        EXPECT_TRUE(WriteServiceReport(Input(), path, &error)) << error.toStdString();
        return path;
    }

    QDomDocument WriteHtml() {
        QFile file(Write(QStringLiteral("report.html")));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QDomDocument document;
        QString why;
        int line = 0;
        EXPECT_TRUE(document.setContent(&file, &why, &line))
            << why.toStdString() << " at line " << line;
        return document;
    }

    const ResultRow& Row(int sensor) const {
        return *session_->resultData().table.SensorRow(sensor);
    }
    QString Name(int sensor) const { return session_->resultData().unit.SensorName[sensor]; }
    int SensorCount() const { return session_->resultData().unit.SensorCount; }

    app::test::RecordingFrontEnd frontEnd_;
    std::unique_ptr<sim::Simulator> unit_;
    std::unique_ptr<DiagnosticSession> session_;
    const QDateTime runTime_{QDate(2026, 12, 9), QTime(4, 5, 6)};
    QTemporaryDir dir_;
};

// ----- Reading an HTML report

QDomElement ById(const QDomDocument& document, const QString& tag, const QString& id) {
    const QDomNodeList nodes = document.elementsByTagName(tag);
    for (int i = 0; i < nodes.size(); ++i) {
        const QDomElement element = nodes.at(i).toElement();
        if (element.attribute(QStringLiteral("id")) == id) return element;
    }
    return {};
}

// The row of a chart section ("paperless", "greenpaper") for a sensor.
QDomElement ChartRowOf(const QDomDocument& document, const QString& section,
                       const QString& sensor) {
    const QDomNodeList rows =
        ById(document, QStringLiteral("section"), section).elementsByTagName(QStringLiteral("tr"));
    for (int i = 0; i < rows.size(); ++i) {
        const QDomElement row = rows.at(i).toElement();
        if (row.firstChildElement(QStringLiteral("th")).text() == sensor) return row;
    }
    return {};
}

QStringList CellTexts(const QDomElement& row) {
    QStringList texts;
    for (QDomElement cell = row.firstChildElement(); !cell.isNull();
         cell = cell.nextSiblingElement()) {
        texts << cell.text();
    }
    return texts;
}

QDomElement MarkerOf(const QDomElement& row) {
    for (const QString& tag : {QStringLiteral("circle"), QStringLiteral("polygon")}) {
        const QDomNodeList found = row.elementsByTagName(tag);
        for (int i = 0; i < found.size(); ++i) {
            const QDomElement shape = found.at(i).toElement();
            if (shape.attribute(QStringLiteral("class")) == QLatin1String("marker")) return shape;
        }
    }
    return {};
}

QString LimitsOf(std::uint8_t min, std::uint8_t max) {
    return min == max ? QString::number(min) : QStringLiteral("%1\u2013%2").arg(min).arg(max);
}

// ----- Reading a PDF report

// The lines of both charts for `sensor`, in page order: its limits, reading
// and status, or "Not Tested".
QStringList ChartLines(const QString& pdfText, const QString& sensor) {
    const QRegularExpression line(
        QStringLiteral("^\\s*%1\\s+(\\d+(?:\u2013\\d+)?\\s+\\d+\\s+(?:OK|FAIL)|Not Tested)\\s*$")
            .arg(QRegularExpression::escape(sensor)),
        QRegularExpression::MultilineOption);
    QStringList found;
    for (auto match = line.globalMatch(pdfText); match.hasNext();) {
        found << match.next().captured(1).simplified();
    }
    return found;
}

QString ChartLineOf(std::uint8_t min, std::uint8_t read, std::uint8_t max, bool pass) {
    return LimitsOf(min, max) + u' ' + QString::number(read) + u' ' +
           (pass ? QStringLiteral("OK") : QStringLiteral("FAIL"));
}

struct Pixels {
    int red = 0;
    int green = 0;
};

// The marker colours between a chart line's sensor name and its numbers.
Pixels MarkerPixels(const QString& pdfPath, const QString& sensor) {
    constexpr int kDpi = 100;
    const PdfLine line = FindLine(test::PdfWords(pdfPath), sensor);
    if (line.page == 0) return {};
    const QImage page = test::PdfPage(pdfPath, line.page, kDpi);
    const double scale = kDpi / 72.0;
    Pixels pixels;
    for (int y = int(line.phrase.top() * scale); y <= int(line.phrase.bottom() * scale); ++y) {
        for (int x = int(line.phrase.right() * scale) + 1; x < int(line.nextWordLeft * scale);
             ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++pixels.red;
            if (c.green() > 150 && c.red() < 80 && c.blue() < 80) ++pixels.green;
        }
    }
    return pixels;
}

TEST_F(ServiceReportTest, PassedTm6HoldsTheUnitTheVerdictAndEveryReadingInBothFormats) {
    DiagnosticSession& session = RunTm6();
    ASSERT_EQ(session.lastRunEnd(), RunEnd::Passed);
    const DiagnosticResults results = session.resultData();

    const QString pdf = test::PdfText(Write(QStringLiteral("TM6.pdf")));
    ASSERT_FALSE(pdf.isEmpty());
    for (const QString& expected :
         {QStringLiteral("ZAV Diagnostics Tool 1.0.4"), QStringLiteral("TM6"),
          SerialNumberText(results.unit.SerialNumber), results.version.FullFirmware.trimmed(),
          results.dataset.DatasetCode, QStringLiteral("2026-12-09 04:05:06"), Input().hostName,
          QStringLiteral("PASSED"), QStringLiteral("Motor Fwd"), QStringLiteral("Straightener")}) {
        EXPECT_TRUE(pdf.contains(expected)) << expected.toStdString();
    }
    EXPECT_FALSE(pdf.contains(QStringLiteral("FAILED")));
    for (int i = 0; i < SensorCount(); ++i) {
        SCOPED_TRACE(Name(i).toStdString());
        const ResultRow& row = Row(i);
        EXPECT_EQ(
            ChartLines(pdf, Name(i)),
            (QStringList{ChartLineOf(row.PathMin, row.PathRead, row.PathMax, row.PathPass),
                         ChartLineOf(row.PaperMin, row.PaperRead, row.PaperMax, row.PaperPass)}));
        // The sensor table: the results file's line, field by field.
        QStringList fields = SensorFields(results, session.results(), i);
        for (QString& field : fields) field = QRegularExpression::escape(field);
        const QRegularExpression tableLine(QStringLiteral("^\\s*") + fields.join("\\s+") + "\\s*$",
                                           QRegularExpression::MultilineOption);
        EXPECT_TRUE(tableLine.match(pdf).hasMatch());
    }

    const QDomDocument html = WriteHtml();
    const QDomElement verdict = ById(html, QStringLiteral("p"), QStringLiteral("verdict"));
    EXPECT_EQ(verdict.text(), QStringLiteral("PASSED"));
    EXPECT_EQ(verdict.attribute(QStringLiteral("class")), QStringLiteral("verdict ok"));
    EXPECT_TRUE(html.elementsByTagName(QStringLiteral("script")).isEmpty());
    for (int i = 0; i < SensorCount(); ++i) {
        SCOPED_TRACE(Name(i).toStdString());
        const ResultRow& row = Row(i);
        const QDomElement path = ChartRowOf(html, QStringLiteral("paperless"), Name(i));
        EXPECT_EQ(CellTexts(path), (QStringList{Name(i), "", LimitsOf(row.PathMin, row.PathMax),
                                                QString::number(row.PathRead), "OK"}));
        EXPECT_EQ(MarkerOf(path).attribute(QStringLiteral("fill")), kPassGreen);
        const QDomElement paper = ChartRowOf(html, QStringLiteral("greenpaper"), Name(i));
        EXPECT_EQ(CellTexts(paper), (QStringList{Name(i), "", LimitsOf(row.PaperMin, row.PaperMax),
                                                 QString::number(row.PaperRead), "OK"}));
    }
}

// The PDF as a strict reader takes it: each cross-reference entry leads to
// its object, the trailer to the table, and poppler reads it without a
// word on standard error.
TEST_F(ServiceReportTest, PdfIsWellFormed) {
    RunTm6({"pathfail=3"});
    const QString path = Write(QStringLiteral("checked.pdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-1.4\n"));
    EXPECT_TRUE(pdf.endsWith("%%EOF\n"));

    const qsizetype startxref = pdf.lastIndexOf("startxref\n");
    ASSERT_GT(startxref, 0);
    const qsizetype xref = pdf.mid(startxref + 10).split('\n').first().toLongLong();
    ASSERT_TRUE(pdf.mid(xref).startsWith("xref\n0 "));
    const QList<QByteArray> lines = pdf.mid(xref).split('\n');
    const int count = lines[1].split(' ').last().toInt();
    ASSERT_GT(count, 7);
    for (int n = 1; n < count; ++n) {
        const QByteArray& entry = lines[2 + n];
        ASSERT_EQ(entry.size(), 19) << entry.toStdString();  // 20 bytes with the line feed
        const qsizetype offset = entry.left(10).toLongLong();
        EXPECT_TRUE(pdf.mid(offset).startsWith(QByteArray::number(n) + " 0 obj\n")) << n;
    }
    EXPECT_TRUE(pdf.contains("/Size " + QByteArray::number(count) + " /Root 1 0 R"));

    const struct {
        const char* tool;
        QStringList arguments;
    } readers[] = {{"pdftotext", {path, dir_.filePath(QStringLiteral("checked.txt"))}},
                   {"pdftoppm", {"-r", "20", path, dir_.filePath(QStringLiteral("checked"))}}};
    for (const auto& [tool, arguments] : readers) {
        const test::ToolOutput reader = test::RunTool(QLatin1String(tool), arguments);
        EXPECT_EQ(reader.exitCode, 0) << tool;
        EXPECT_EQ(reader.err, QByteArray()) << tool;
    }
}

// The HTML stands alone: nothing it would fetch, nothing it would run.
TEST_F(ServiceReportTest, HtmlIsOneSelfContainedFile) {
    RunTm6();
    QFile file(Write(QStringLiteral("report.htm")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    for (const char* reference : {"<script", " src=", " href=", "url(", "@import"}) {
        EXPECT_FALSE(html.contains(QLatin1String(reference), Qt::CaseInsensitive)) << reference;
    }
    EXPECT_TRUE(html.contains(QStringLiteral("name=\"viewport\"")));
    // A style element is read unescaped: an entity there breaks its rules.
    const QString style = html.section(QStringLiteral("<style>"), 1).section("</style>", 0, 0);
    EXPECT_FALSE(style.isEmpty());
    EXPECT_FALSE(style.contains(u'&')) << style.toStdString();
    // Every element HTML would read as left open is closed.
    EXPECT_FALSE(
        QRegularExpression(QStringLiteral("<(td|th|p|div|section|title|style)(\\s[^>]*)?/>"))
            .match(html)
            .hasMatch());
}

TEST_F(ServiceReportTest, OneReadingOutOfLimitsShowsItsSensorRedInBothFormats) {
    constexpr int kFailing = 3;
    DiagnosticSession& session = RunTm6({"pathfail=3"});
    ASSERT_EQ(session.lastRunEnd(), RunEnd::Failed);
    ASSERT_FALSE(Row(kFailing).PathPass);

    const QDomDocument html = WriteHtml();
    const QDomElement verdict = ById(html, QStringLiteral("p"), QStringLiteral("verdict"));
    EXPECT_EQ(verdict.text(), QStringLiteral("FAILED"));
    EXPECT_EQ(verdict.attribute(QStringLiteral("class")), QStringLiteral("verdict fail"));
    for (int i = 0; i < SensorCount(); ++i) {
        SCOPED_TRACE(Name(i).toStdString());
        const QDomElement marker = MarkerOf(ChartRowOf(html, QStringLiteral("paperless"), Name(i)));
        EXPECT_EQ(marker.attribute(QStringLiteral("fill")), i == kFailing ? kFailRed : kPassGreen);
        EXPECT_EQ(marker.tagName(), i == kFailing ? "polygon" : "circle");
    }
    EXPECT_EQ(CellTexts(ChartRowOf(html, QStringLiteral("paperless"), Name(kFailing))).last(),
              QStringLiteral("FAIL"));

    const QString pdf = Write(QStringLiteral("failed.pdf"));
    EXPECT_TRUE(test::PdfText(pdf).contains(QStringLiteral("FAILED")));
    const Pixels failing = MarkerPixels(pdf, Name(kFailing));
    EXPECT_GT(failing.red, 10);
    EXPECT_EQ(failing.green, 0);
    const Pixels passing = MarkerPixels(pdf, Name(0));
    EXPECT_GT(passing.green, 10);
    EXPECT_EQ(passing.red, 0);
}

// No green paper: the paper-less test was reached, the green-paper test not.
TEST_F(ServiceReportTest, AbortedRunSaysSoAndShowsWhatWasReached) {
    DiagnosticSession& session = RunTm6({"nopaper"});
    ASSERT_EQ(session.lastRunEnd(), RunEnd::TestsAborted);
    ASSERT_TRUE(session.buttons().saveCsv);

    const QDomDocument html = WriteHtml();
    EXPECT_EQ(ById(html, QStringLiteral("p"), QStringLiteral("verdict")).text(),
              QStringLiteral("FAILED"));
    const QDomNodeList paragraphs = html.elementsByTagName(QStringLiteral("p"));
    QString note;
    for (int i = 0; i < paragraphs.size(); ++i) {
        if (paragraphs.at(i).toElement().attribute(QStringLiteral("class")) == "reason") {
            note = paragraphs.at(i).toElement().text();
        }
    }
    EXPECT_EQ(note, QStringLiteral("Run aborted: No green paper. Test timeout!"));
    for (int i = 0; i < SensorCount(); ++i) {
        SCOPED_TRACE(Name(i).toStdString());
        const ResultRow& row = Row(i);
        EXPECT_EQ(CellTexts(ChartRowOf(html, QStringLiteral("paperless"), Name(i))),
                  (QStringList{Name(i), "", LimitsOf(row.PathMin, row.PathMax),
                               QString::number(row.PathRead), "OK"}));
        EXPECT_EQ(CellTexts(ChartRowOf(html, QStringLiteral("greenpaper"), Name(i))),
                  (QStringList{Name(i), "Not Tested", "", "", ""}));
    }

    const QString pdf = test::PdfText(Write(QStringLiteral("aborted.pdf")));
    EXPECT_TRUE(pdf.contains(QStringLiteral("Run aborted: No green paper. Test timeout!")));
    for (int i = 0; i < SensorCount(); ++i) {
        SCOPED_TRACE(Name(i).toStdString());
        const ResultRow& row = Row(i);
        EXPECT_EQ(ChartLines(pdf, Name(i)),
                  (QStringList{ChartLineOf(row.PathMin, row.PathRead, row.PathMax, true),
                               QStringLiteral("Not Tested")}));
    }
}

// Texts from the unit are data, never markup; a unit with many sensors
// flows its charts over further pages.
TEST_F(ServiceReportTest, UnitTextsCannotBreakEitherDocument) {
    constexpr int kSensors = 60;
    const QString hostile = QStringLiteral("<script>alert(1)</script> & \"\x01");
    app::ValidatorData unit;
    unit.UnitType = QStringLiteral("TM6");
    unit.SensorCount = kSensors;
    unit.ResizeSensorLists(kSensors);
    for (int i = 0; i < kSensors; ++i) unit.SensorName[i] = QStringLiteral("Sensor %1").arg(i);
    unit.SensorName[7] = hostile;
    app::VersionData version{QStringLiteral("TM0006\x07</p>")};
    app::DatasetData dataset{QStringLiteral("]]>&amp;")};
    ResultTable table;
    table.Recreate(kSensors, 4);
    for (int i = 0; i < kSensors; ++i) *table.Row(i) = {100, 150, 200, true, 50, 60, 70, true};
    const ResultsView shown = ShowResults({unit, version, dataset, table}, true);
    const RunRecord input{unit,           version, dataset,  table,   shown,
                          RunEnd::Passed, {},      runTime_, "<host>"};

    const QString htmlPath = dir_.filePath(QStringLiteral("hostile.html"));
    QString error;
    ASSERT_TRUE(WriteServiceReport(input, htmlPath, &error)) << error.toStdString();
    QFile file(htmlPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QDomDocument html;
    ASSERT_TRUE(html.setContent(&file));
    EXPECT_TRUE(html.elementsByTagName(QStringLiteral("script")).isEmpty());
    const QString shownName = QString(hostile).replace(u'\x01', QChar::ReplacementCharacter);
    EXPECT_FALSE(ChartRowOf(html, QStringLiteral("paperless"), shownName).isNull());
    EXPECT_TRUE(html.documentElement().text().contains(QStringLiteral("]]>&amp;")));

    const QString pdfPath = dir_.filePath(QStringLiteral("many.pdf"));
    ASSERT_TRUE(WriteServiceReport(input, pdfPath, &error)) << error.toStdString();
    const QString pdf = test::PdfText(pdfPath);
    for (int i = 0; i < kSensors; ++i) {
        if (i == 7) continue;
        EXPECT_EQ(ChartLines(pdf, unit.SensorName[i]).size(), 2) << i;
    }
    // The PDF's fonts have no replacement character: a question mark
    // stands for it, and the parentheses and quotes are text.
    EXPECT_TRUE(pdf.contains(QStringLiteral("<script>alert(1)</script> & \"?"))) << "sensor 7";
    EXPECT_TRUE(pdf.contains(QStringLiteral("Green-paper test (continued)")));
    EXPECT_GE(test::PdfWords(pdfPath).back().page, 4);
}

// Writes as the user `nobody` while the test runs as root, whom a folder's
// permissions do not stop.
class AsUnprivilegedUser {
  public:
    AsUnprivilegedUser() : root_(geteuid() == 0) {
        if (root_) {
            EXPECT_EQ(seteuid(kNobody), 0);
        }
    }
    ~AsUnprivilegedUser() {
        if (root_) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }

  private:
    static constexpr uid_t kNobody = 65534;
    bool root_;
};

TEST_F(ServiceReportTest, FolderThatCannotBeWrittenFailsWithAClearMessageAndLeavesNoFile) {
    RunTm6();
    QDir folder(dir_.path());
    ASSERT_TRUE(QFile::setPermissions(
        dir_.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    ASSERT_TRUE(folder.mkdir(QStringLiteral("locked")));
    ASSERT_TRUE(folder.cd(QStringLiteral("locked")));
    // An earlier report stays as it was.
    QFile earlier(folder.filePath(QStringLiteral("earlier.html")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    ASSERT_TRUE(QFile::setPermissions(
        folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));

    for (const char* name : {"report.pdf", "earlier.html"}) {
        SCOPED_TRACE(name);
        const QString path = folder.filePath(QLatin1String(name));
        QString error;
        bool written = true;
        {
            AsUnprivilegedUser nobody;
            written = WriteServiceReport(Input(), path, &error);
        }
        EXPECT_FALSE(written);
        EXPECT_TRUE(error.startsWith(QStringLiteral("Couldn't save results!\n") + path + ": "))
            << error.toStdString();
        EXPECT_GT(error.size(),
                  QStringLiteral("Couldn't save results!\n").size() + path.size() + 3);
    }
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{"earlier.html"});
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "earlier");

    QString error;
    EXPECT_FALSE(WriteServiceReport(Input(), dir_.filePath("report.txt"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral(".pdf or .html"))) << error.toStdString();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A device chosen as the report's path is written in place and never
// replaced by a file (as root a rename would replace it): a full device
// fails with its reason. The device is a copy of /dev/full in the test's
// own folder, so a fault here cannot harm the machine's /dev.
TEST_F(ServiceReportTest, ADeviceIsWrittenInPlaceAndAFullOneFailsWithItsReason) {
    const QString path = dir_.filePath(QStringLiteral("full-device.pdf"));
    if (mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "making a device node needs root";
    }
    RunTm6();
    QString error;
    EXPECT_FALSE(WriteServiceReport(Input(), path, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Couldn't save results!\n") + path + ": "))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("space"), Qt::CaseInsensitive))
        << error.toStdString();
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode)) << "the device was replaced by a file";
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{"full-device.pdf"});
}

}  // namespace
}  // namespace zav::diag

// Both formats are written with Qt Core alone, as zavdiag writes them.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
