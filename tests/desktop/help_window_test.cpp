// The help window: the manual opens inside the program and its links work;
// a manual that is missing or broken is text 31 in a warning box.
#include "zav/desktop/help_window.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "gui_test_support.h"
#include "zav/base/program_directory.h"
#include "zav/desktop/manual_pages.h"

using zav::desktop::HelpWindow;

namespace {

const QString kHelpMissing = QStringLiteral("Warning: Can't find help files.");

// A program directory whose manual holds these pages.
struct ManualFolder {
    explicit ManualFolder(const QList<QPair<QString, QByteArray>>& pages) {
        QDir(directory.path()).mkdir(QStringLiteral("_tmphhp"));
        for (const auto& [name, bytes] : pages) {
            QFile file(directory.filePath(QStringLiteral("_tmphhp/") + name));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
        }
        zav::base::SetProgramDirectory(directory.path());
    }
    QTemporaryDir directory;
};

const QByteArray kIndex =
    "<html><head><title>Contents</title></head><body>"
    "<a href=\"second.html\">second</a> <a href=\"broken.html\">broken</a> "
    "<a href=\"../outside.html\">outside</a></body></html>";

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { zav::test::setUpProgram(); }

    void theShippedManualOpensAtItsContents() {
        zav::test::MessageRecorder shown;
        std::unique_ptr<HelpWindow> window(HelpWindow::open(nullptr));
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("ZAV Diagnostics Tool - ZAV Diagnostics Tool: Contents"));
        // Every page of the manual it links to reads whole, in the
        // manual's own colours (its shared style sheet: headings #1c3047).
        const QDir manual(zav::desktop::manualDirectory());
        const QStringList pages = manual.entryList({QStringLiteral("*.html")});
        QVERIFY(pages.size() >= 8);
        for (const QString& page : pages) {
            window->browser()->setSource(QUrl::fromLocalFile(manual.filePath(page)));
            QVERIFY2(!window->browser()->toPlainText().isEmpty(), qPrintable(page));
            QVERIFY2(window->browser()->toHtml().contains(QStringLiteral("#1c3047")),
                     qPrintable(page));
        }
        QCOMPARE(shown.lines(), QStringList());
    }

    // Esc and Ctrl+W close the window, as they close other viewers.
    void escapeAndControlWClose_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape);
        QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
    }
    void escapeAndControlWClose() {
        QFETCH(QKeySequence, keys);
        QPointer<HelpWindow> window = HelpWindow::open(nullptr);
        QVERIFY(window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keySequence(window->browser(), keys);
        QTRY_VERIFY(!window);  // closed, and deleted on close
    }

    void linksLeadToTheOtherPages() {
        ManualFolder folder({{"index.html", kIndex},
                             {"second.html",
                              "<html><head><title>Second</title></head>"
                              "<body>second page</body></html>"}});
        std::unique_ptr<HelpWindow> window(HelpWindow::open(nullptr));
        QVERIFY(window);
        window->browser()->setSource(QUrl(QStringLiteral("second.html")));
        QCOMPARE(window->browser()->toPlainText(), QStringLiteral("second page"));
        QVERIFY(window->windowTitle().endsWith(QStringLiteral(" - Second")));
        window->browser()->backward();
        QVERIFY(window->browser()->toPlainText().startsWith(QStringLiteral("second broken")));
    }

    void aMissingManualIsTextThirtyOne() {
        ManualFolder folder({});
        zav::test::MessageRecorder shown;
        QVERIFY(!HelpWindow::open(nullptr));
        QCOMPARE(shown.lines(), QStringList{kHelpMissing});
    }

    void aBrokenIndexIsTextThirtyOne_data() {
        QTest::addColumn<QByteArray>("index");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not UTF-8") << QByteArray("<html>\xff\xfe\x80</html>");
        QTest::newRow("too large") << QByteArray(2 << 20, 'x');
    }
    void aBrokenIndexIsTextThirtyOne() {
        QFETCH(QByteArray, index);
        ManualFolder folder({{"index.html", index}});
        zav::test::MessageRecorder shown;
        QVERIFY(!HelpWindow::open(nullptr));
        QCOMPARE(shown.lines(), QStringList{kHelpMissing});
    }

    void aBrokenOrOutsidePageIsTextThirtyOneAndTheWindowStays() {
        ManualFolder folder({{"index.html", kIndex}, {"broken.html", "\xff\xff"}});
        QFile outside(folder.directory.filePath(QStringLiteral("outside.html")));
        outside.open(QIODevice::WriteOnly);
        outside.write("<html><body>not the manual</body></html>");
        outside.close();
        zav::test::MessageRecorder shown;
        std::unique_ptr<HelpWindow> window(HelpWindow::open(nullptr));
        QVERIFY(window);
        window->browser()->setSource(QUrl(QStringLiteral("broken.html")));
        QTRY_COMPARE(shown.lines(), QStringList{kHelpMissing});
        window->browser()->setSource(QUrl(QStringLiteral("../outside.html")));
        QTRY_COMPARE(shown.lines(), (QStringList{kHelpMissing, kHelpMissing}));
        QVERIFY(!window->browser()->toPlainText().contains(QStringLiteral("not the manual")));
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
