// Records COUNT sample runs of serial SERIAL, one program among several
// writing the history that ZAV_HISTORY names at the same moment. Exits 0
// when every run was recorded.
#include <QCoreApplication>

#include "sample_run.h"
#include "zav/history/recording.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) return 2;
    const int count = arguments[1].toInt();
    const double serial = arguments[2].toDouble();
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        if (!zav::history::RecordRun(zav::history::test::SampleRun(i, serial))) ++failed;
    }
    return failed == 0 ? 0 : 1;
}
