#pragma once
// The timer that follows a RAM utility download: every 80 ms it asks the link
// library for the transfer's progress until the transfer has finished or
// failed.
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>

#include "zav/app/session_view.h"

namespace zav::app {

constexpr std::chrono::milliseconds kDownloadPollInterval{80};

class RamDownloadPoll : public QObject {
    Q_OBJECT
  public:
    // `view`, when given, is the window whose mouse pointer and status line
    // follow the download (the diagnostics window's do; the controls
    // window's do not). The poll starts stopped.
    explicit RamDownloadPoll(SessionView* view = nullptr,
                             std::chrono::milliseconds interval = kDownloadPollInterval,
                             QObject* parent = nullptr);

    void start();
    void stop();
    bool isActive() const { return timer_.isActive(); }
    // Stops following the transfer; one still running is stopped in the link
    // library too (CloseComm), so nothing more goes to the unit. For a
    // session that closes.
    void abandon();

    // One poll, as the timer runs it. GetRamDownloadData above
    // ZAV_DOWNLOAD_DONE: the poll stops, the view's pointer returns to the
    // arrow, text 39 followed by DownloadErrorText is shown (warning), the
    // view's status line is emptied, failed() is emitted. Exactly
    // ZAV_DOWNLOAD_DONE: the poll stops, the pointer returns to the arrow,
    // the status line shows text 40, finished() is emitted. Below: the
    // transfer runs; progressed() reports the value (the blocks sent so far)
    // and nothing else changes.
    void poll();

  signals:
    void progressed(std::int32_t blocksSent);
    void finished();
    void failed(std::int32_t code);

  private:
    SessionView* view_;
    QTimer timer_;
};

}  // namespace zav::app
