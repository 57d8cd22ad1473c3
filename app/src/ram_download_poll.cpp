#include "zav/app/ram_download_poll.h"

#include "zav/app/global.h"
#include "zav/app/link_api.h"
#include "zav/app/ram_download.h"
#include "zav/base/messages.h"
#include "zav/lang/text_ids.h"

namespace zav::app {
namespace {}  // namespace

RamDownloadPoll::RamDownloadPoll(SessionView* view, std::chrono::milliseconds interval,
                                 QObject* parent)
    : QObject(parent), view_(view) {
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, &RamDownloadPoll::poll);
}

void RamDownloadPoll::start() {
    timer_.start();
}

void RamDownloadPoll::stop() {
    timer_.stop();
}

void RamDownloadPoll::abandon() {
    if (!isActive()) return;
    stop();
    Link().CloseComm();
}

void RamDownloadPoll::poll() {
    const std::int32_t value = Link().GetRamDownloadData();
    if (value < ZAV_DOWNLOAD_DONE) {
        emit progressed(value);
        return;
    }
    if (view_) view_->setMousePointer(MousePointer::Arrow);
    stop();
    if (value > ZAV_DOWNLOAD_DONE) {
        base::showMessage(Global::LangText(lang::text::kDownloadError) + DownloadErrorText(value));
        if (view_) view_->setStatusText(QString());
        emit failed(value);
    } else {
        if (view_) view_->setStatusText(Global::LangText(lang::text::kDownloadComplete));
        emit finished();
    }
}

}  // namespace zav::app
