#include "writers.h"

#include <QProcess>
#include <memory>
#include <vector>

namespace zav::history::test {

bool RecordFromPrograms(int programs, int each, int firstSerial) {
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < programs; ++i) {
        auto writer = std::make_unique<QProcess>();
        writer->setProcessChannelMode(QProcess::ForwardedChannels);
        writer->start(QStringLiteral(ZAV_HISTORY_WRITER),
                      {QString::number(each), QString::number(firstSerial + i)});
        writers.push_back(std::move(writer));
    }
    bool all = true;
    for (auto& writer : writers) {
        all = writer->waitForFinished(120000) && writer->exitStatus() == QProcess::NormalExit &&
              writer->exitCode() == 0 && all;
    }
    return all;
}

}  // namespace zav::history::test
