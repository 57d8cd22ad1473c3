#include "zav/app/link_api.h"

#include <QCoreApplication>
#include <QThread>
#include <type_traits>

#include "zav/app/library_binding.h"
#include "zav/app/messages.h"

namespace zav::app {
namespace {

std::int16_t openPortMissing(std::int16_t) {
    return 0;
}
LinkPacket* commandMissing(LinkPacket* result, const LinkPacket*) {
    if (result) {
        result->status = 2;
        result->length = 0;
    }
    return result;
}
std::int16_t closeCommMissing() {
    return 1;
}
std::int16_t setRetryParametersMissing(const std::uint8_t*) {
    return 0;
}
std::int32_t downloadRamFileMissing(const char*, std::int16_t) {
    return kDownloadUnavailable;
}
std::int32_t getRamDownloadDataMissing() {
    return kDownloadUnavailable;
}

// The link library's own messages become message boxes titled with the
// library's caption. The library may call from its reader or download
// thread; those messages are handed to the program's thread.
void showLinkMessage(const char* caption, const char* text) {
    const QString title = QString::fromLocal8Bit(caption ? caption : "");
    const QString body = QString::fromLocal8Bit(text ? text : "");
    const MessageIcon icon = body == QLatin1String("Unable To open this port") ||
                                     body == QLatin1String("Error setting new comms params")
                                 ? MessageIcon::Warning
                                 : MessageIcon::None;
    auto show = [title, body, icon] { messageSink().showMessage(title, body, icon); };
    QCoreApplication* application = QCoreApplication::instance();
    if (application && QThread::currentThread() != application->thread()) {
        QMetaObject::invokeMethod(application, show, Qt::QueuedConnection);
    } else {
        show();
    }
}

class BoundLinkLibrary {
  public:
    BoundLinkLibrary() {
        LibraryBinder binder("libZavtekVLP.so");
        binder.bind(api.OpenPort, "OpenPort", &openPortMissing);
        binder.bind(api.Command, "Command", &commandMissing);
        binder.bind(api.CloseComm, "CloseComm", &closeCommMissing);
        binder.bind(api.SetRetryParameters, "SetRetryParameters", &setRetryParametersMissing);
        binder.bind(api.DownloadRamFile, "DownloadRamFile", &downloadRamFileMissing);
        binder.bind(api.GetRamDownloadData, "GetRamDownloadData", &getRamDownloadDataMissing);
        binder.bind(setMessageHandler_, "SetMessageHandler", &setMessageHandlerMissing);
        library_ = binder.finish();
        setMessageHandler_(&showLinkMessage);
    }
    // The library may still report while it unloads; by then the program's
    // message interface may be gone, so its own default takes over first.
    ~BoundLinkLibrary() { setMessageHandler_(nullptr); }

    LinkApi api{};

  private:
    static std::int16_t setMessageHandlerMissing(ZavVlpMessageHandler) { return 0; }

    std::int16_t (*setMessageHandler_)(ZavVlpMessageHandler) = nullptr;
    platform::SharedLibrary library_;
};

const LinkApi* linkOverride = nullptr;

// Each slot has exactly the type of the library's export.
static_assert(std::is_same_v<decltype(&::OpenPort), decltype(LinkApi::OpenPort)>);
static_assert(std::is_same_v<decltype(&::Command), decltype(LinkApi::Command)>);
static_assert(std::is_same_v<decltype(&::CloseComm), decltype(LinkApi::CloseComm)>);
static_assert(
    std::is_same_v<decltype(&::SetRetryParameters), decltype(LinkApi::SetRetryParameters)>);
static_assert(std::is_same_v<decltype(&::DownloadRamFile), decltype(LinkApi::DownloadRamFile)>);
static_assert(
    std::is_same_v<decltype(&::GetRamDownloadData), decltype(LinkApi::GetRamDownloadData)>);

}  // namespace

const LinkApi& Link() {
    if (linkOverride) return *linkOverride;
    static const BoundLinkLibrary bound;
    return bound.api;
}

void OverrideLinkApi(const LinkApi* api) {
    linkOverride = api;
}

}  // namespace zav::app
