#include "zav/app/link_api.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <string>
#include <type_traits>

#include "link_worker.h"
#include "zav/app/library_binding.h"
#include "zav/base/messages.h"

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
std::int32_t downloadArrayDataMissing(const std::uint8_t*, std::int16_t) {
    return kDownloadUnavailable;
}
std::int16_t getRamDownloadStatusMissing(RamDownloadStatus* status) {
    if (status) *status = RamDownloadStatus{0, 0, ZAV_DOWNLOAD_STAGE_IDLE};
    return 0;
}
std::int16_t killWaitTimeMissing() {
    return 0;
}

// The link library's own messages become message boxes titled with the
// library's caption. A message of a call the worker makes is shown when the
// call returns to its caller; one from the library's reader or download
// thread is handed to the program's thread.
void showLinkMessage(const char* caption, const char* text) {
    const QString title = QString::fromLocal8Bit(caption ? caption : "");
    const QString body = QString::fromLocal8Bit(text ? text : "");
    const base::MessageIcon icon = body == QLatin1String("Unable To open this port") ||
                                           body == QLatin1String("Error setting new comms params")
                                       ? base::MessageIcon::Warning
                                       : base::MessageIcon::None;
    auto show = [title, body, icon] { base::messageSink().showMessage(title, body, icon); };
    if (LinkWorker::Hold(show)) return;
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
        binder.bind(api.DownloadFile, "DownloadFile", &downloadRamFileMissing);
        binder.bind(api.DownloadArrayData, "DownloadArrayData", &downloadArrayDataMissing);
        binder.bind(api.GetDownloadData, "GetDownloadData", &getRamDownloadDataMissing);
        binder.bind(api.GetRamDownloadStatus, "GetRamDownloadStatus", &getRamDownloadStatusMissing);
        binder.bind(api.VLPKillWaitTime, "VLPKillWaitTime", &killWaitTimeMissing);
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

// The calls as bound, or as a test replaced them.
const LinkApi& boundLink() {
    return linkOverride ? *linkOverride : LibraryLink();
}

LinkWorker& worker() {
    static LinkWorker instance;
    return instance;
}

// Each call goes to the worker. The records travel as copies, so the worker
// never touches the caller's memory and the caller's records change only on
// its own thread, once the call is over.
std::int16_t openPortOnWorker(std::int16_t port) {
    const LinkApi& link = boundLink();
    std::int16_t result = 0;
    worker().Run([&] { result = link.OpenPort(port); });
    return result;
}

LinkPacket* commandOnWorker(LinkPacket* result, const LinkPacket* command) {
    const LinkApi& link = boundLink();
    if (!result || !command) {
        LinkPacket* returned = nullptr;
        worker().Run([&] { returned = link.Command(result, command); });
        return returned;
    }
    const LinkPacket commandCopy = *command;
    LinkPacket resultCopy = *result;
    LinkPacket* returned = nullptr;
    worker().Run([&] { returned = link.Command(&resultCopy, &commandCopy); });
    *result = resultCopy;
    return returned == &resultCopy ? result : returned;
}

std::int16_t closeCommOnWorker() {
    const LinkApi& link = boundLink();
    std::int16_t result = 0;
    worker().Run([&] { result = link.CloseComm(); });
    return result;
}

// The library reads two bytes: the reply time-out and the retries.
constexpr std::size_t kRetryParameterBytes = 2;

std::int16_t setRetryParametersOnWorker(const std::uint8_t* params) {
    const LinkApi& link = boundLink();
    std::uint8_t copy[kRetryParameterBytes] = {};
    if (params) std::copy_n(params, kRetryParameterBytes, copy);
    std::int16_t result = 0;
    worker().Run([&] { result = link.SetRetryParameters(params ? copy : nullptr); });
    return result;
}

// A start call with a file name: the name travels as a copy.
template <std::int32_t (*LinkApi::*call)(const char*, std::int16_t)>
std::int32_t fileDownloadOnWorker(const char* fileName, std::int16_t port) {
    const LinkApi& link = boundLink();
    const std::string name = fileName ? fileName : "";
    std::int32_t result = 0;
    worker().Run([&] { result = (link.*call)(fileName ? name.c_str() : nullptr, port); });
    return result;
}

// The image stays the caller's: the library reads it until the transfer
// ends, as it would on the caller's thread.
std::int32_t downloadArrayDataOnWorker(const std::uint8_t* image, std::int16_t port) {
    const LinkApi& link = boundLink();
    std::int32_t result = 0;
    worker().Run([&] { result = link.DownloadArrayData(image, port); });
    return result;
}

template <auto LinkApi::*call>
auto noArgumentsOnWorker() {
    const LinkApi& link = boundLink();
    decltype((link.*call)()) result = 0;
    worker().Run([&] { result = (link.*call)(); });
    return result;
}

std::int16_t getRamDownloadStatusOnWorker(RamDownloadStatus* status) {
    const LinkApi& link = boundLink();
    RamDownloadStatus copy{};
    std::int16_t result = 0;
    worker().Run([&] { result = link.GetRamDownloadStatus(status ? &copy : nullptr); });
    if (status) *status = copy;
    return result;
}

constexpr LinkApi kCallsOnWorker{&openPortOnWorker,
                                 &commandOnWorker,
                                 &closeCommOnWorker,
                                 &setRetryParametersOnWorker,
                                 &fileDownloadOnWorker<&LinkApi::DownloadRamFile>,
                                 &noArgumentsOnWorker<&LinkApi::GetRamDownloadData>,
                                 &fileDownloadOnWorker<&LinkApi::DownloadFile>,
                                 &downloadArrayDataOnWorker,
                                 &noArgumentsOnWorker<&LinkApi::GetDownloadData>,
                                 &getRamDownloadStatusOnWorker,
                                 &noArgumentsOnWorker<&LinkApi::VLPKillWaitTime>};

// Each slot has exactly the type of the library's export.
static_assert(std::is_same_v<decltype(&::OpenPort), decltype(LinkApi::OpenPort)>);
static_assert(std::is_same_v<decltype(&::Command), decltype(LinkApi::Command)>);
static_assert(std::is_same_v<decltype(&::CloseComm), decltype(LinkApi::CloseComm)>);
static_assert(
    std::is_same_v<decltype(&::SetRetryParameters), decltype(LinkApi::SetRetryParameters)>);
static_assert(std::is_same_v<decltype(&::DownloadRamFile), decltype(LinkApi::DownloadRamFile)>);
static_assert(
    std::is_same_v<decltype(&::GetRamDownloadData), decltype(LinkApi::GetRamDownloadData)>);
static_assert(std::is_same_v<decltype(&::DownloadFile), decltype(LinkApi::DownloadFile)>);
static_assert(std::is_same_v<decltype(&::DownloadArrayData), decltype(LinkApi::DownloadArrayData)>);
static_assert(std::is_same_v<decltype(&::GetDownloadData), decltype(LinkApi::GetDownloadData)>);
static_assert(
    std::is_same_v<decltype(&::GetRamDownloadStatus), decltype(LinkApi::GetRamDownloadStatus)>);
static_assert(std::is_same_v<decltype(&::VLPKillWaitTime), decltype(LinkApi::VLPKillWaitTime)>);

}  // namespace

const LinkApi& LibraryLink() {
    static const BoundLinkLibrary bound;
    return bound.api;
}

const LinkApi& Link() {
    if (!linkOverride) LibraryLink();
    return kCallsOnWorker;
}

void OverrideLinkApi(const LinkApi* api) {
    linkOverride = api;
}

}  // namespace zav::app
