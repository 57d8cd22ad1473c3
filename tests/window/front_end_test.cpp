// What every window shares: the message box front end (title, icon, text,
// returning after OK while timers keep running) and the status line with
// the wait cursor.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "gui_test_support.h"
#include "zav/window/message_box_front_end.h"
#include "zav/window/status_line_view.h"

using zav::app::MousePointer;
using zav::base::MessageIcon;

class FrontEndTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { zav::test::setUpProgram(); }

    void aMessageIsABoxTitledWithTheProductNameAndItsIcon_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("boxIcon");
        QTest::newRow("none") << int(MessageIcon::None) << int(QMessageBox::NoIcon);
        QTest::newRow("information")
            << int(MessageIcon::Information) << int(QMessageBox::Information);
        QTest::newRow("warning") << int(MessageIcon::Warning) << int(QMessageBox::Warning);
        QTest::newRow("critical") << int(MessageIcon::Critical) << int(QMessageBox::Critical);
    }
    void aMessageIsABoxTitledWithTheProductNameAndItsIcon() {
        QFETCH(int, icon);
        QFETCH(int, boxIcon);
        zav::window::MessageBoxFrontEnd frontEnd;
        QString title, text;
        int shownIcon = -1;
        int ticks = 0;
        QTimer clock;
        connect(&clock, &QTimer::timeout, this, [&] { ++ticks; });
        clock.start(5);
        // The user reads the box for a while, then presses OK.
        QTimer::singleShot(100, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            shownIcon = box->icon();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        zav::base::showMessage(QStringLiteral("No sync response!"), static_cast<MessageIcon>(icon));
        QCOMPARE(title, QStringLiteral("ZAV Diagnostics Tool"));
        QCOMPARE(text, QStringLiteral("No sync response!"));
        QCOMPARE(shownIcon, boxIcon);
        // The event loop ran while the box was up: a session's clock goes on.
        QVERIFY(ticks >= 5);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void theStatusLineShowsTheSessionsTextAndTheHourglassOnce() {
        QLabel line;
        {
            zav::window::StatusLineView view(&line);
            view.setStatusText(QStringLiteral("Data fetched!"));
            QCOMPARE(line.text(), QStringLiteral("Data fetched!"));
            view.setMousePointer(MousePointer::Hourglass);
            view.setMousePointer(MousePointer::Hourglass);
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            view.setMousePointer(MousePointer::Arrow);
            QVERIFY(!QApplication::overrideCursor());
            view.setMousePointer(MousePointer::Hourglass);
        }
        // A view that goes while the hourglass is on gives the arrow back.
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(FrontEndTest)
#include "front_end_test.moc"
