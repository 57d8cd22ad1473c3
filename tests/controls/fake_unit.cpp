#include "fake_unit.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core_test_support.h"
#include "zav/app/link_api.h"
#include "zav/app/port_access_text.h"
#include "zav/app/serial_api.h"
#include "zav/base/program_directory.h"

namespace zav::controls::test {

FakeUnit unit;

namespace {

constexpr std::int32_t kDownloadRunning = 5;
constexpr std::int16_t kNoPortOpen = 11;
constexpr std::int16_t kDataTimeout = 2;
constexpr std::uint8_t kGainBlockKey = 0x7F;

bool linkOpen = false;
QElapsedTimer downloadClock;

Bytes padded(const std::string& text, std::size_t width) {
    Bytes bytes(width, ' ');
    std::copy_n(text.begin(), std::min(text.size(), width), bytes.begin());
    return bytes;
}

Bytes configReply() {
    Bytes reply(28, 0);
    reply[0] = 0xF0;
    reply[1] = static_cast<std::uint8_t>(unit.sensors.size());
    std::copy_n(unit.unitType.begin(), std::min<std::size_t>(unit.unitType.size(), 10),
                reply.begin() + 18);
    return reply;
}

// Name, code, type, then gains 30 + i and 40 + i and no phase delay.
Bytes sensorInfoReply(std::size_t i) {
    Bytes reply{0xF0};
    const Bytes name = padded(unit.sensors[i].name, 20);
    reply.insert(reply.end(), name.begin(), name.end());
    reply.resize(41, 0);
    reply[21] = static_cast<std::uint8_t>(i);
    reply[22] = static_cast<std::uint8_t>(unit.sensors[i].type);
    reply[25] = static_cast<std::uint8_t>(30 + i);
    reply[26] = static_cast<std::uint8_t>(40 + i);
    return reply;
}

// Status reply: code 4, gains 30 + i and 40 + i for each sensor.
Bytes calibrationCompleteReply() {
    Bytes reply{0xF0};
    for (std::size_t i = 0; i < unit.sensors.size() && reply.size() + 3 <= 255; ++i) {
        reply.insert(reply.end(),
                     {4, static_cast<std::uint8_t>(30 + i), static_cast<std::uint8_t>(40 + i)});
    }
    return reply;
}

Bytes takeNext(std::deque<Bytes>& replies) {
    if (replies.empty()) return {};
    Bytes next = replies.front();
    if (replies.size() > 1) replies.pop_front();
    return next;
}

Bytes replyTo(const Bytes& request) {
    if (const auto fixed = unit.replies.find(request); fixed != unit.replies.end()) {
        return takeNext(fixed->second);
    }
    if (request == Bytes{0x11}) return {0xF0};
    if (request == Bytes{0x0C}) return {0xF0, 0, 0, 0, 1};
    if (request == Bytes{0x07}) return {0xF0, 0xD0};
    if (request.size() < 3 || request[0] != 0x30 || request[1] != 0x05) return {};
    const Bytes expansion(request.begin() + 2, request.end());
    if (expansion == Bytes{0x65}) return configReply();
    if (expansion.size() == 2 && expansion[0] == 0x61 && expansion[1] < unit.sensors.size()) {
        return sensorInfoReply(expansion[1]);
    }
    if (expansion == Bytes{0x67}) return {0xF0, 0};
    if (expansion == Bytes{0x44}) {
        Bytes reply{0xF0};
        const Bytes text = padded(unit.firmware, 16);
        reply.insert(reply.end(), text.begin(), text.end());
        return reply;
    }
    if (expansion == Bytes{0x74}) return {0xF0, 0x08};
    if (expansion == Bytes{0x0F}) return {0xF0};
    if (expansion == Bytes{0x64, 0x04}) return {0xF0};
    if (expansion == Bytes{0x76}) return calibrationCompleteReply();
    return {};
}

std::int16_t fakeOpenPort(std::int16_t) {
    unit.calls.push_back("OpenPort");
    linkOpen = linkOpen || unit.linkOpens;
    return linkOpen ? 1 : 0;
}

LinkPacket* fakeCommand(LinkPacket* result, const LinkPacket* command) {
    const Bytes request(command->data, command->data + command->length);
    unit.calls.push_back("Command " + Hex(request));
    std::memset(result, 0, sizeof *result);
    if (!linkOpen) return result;
    const Bytes reply = replyTo(request);
    if (reply.empty()) {
        result->status = 2;
        return result;
    }
    result->status = 1;
    result->length = static_cast<std::uint8_t>(reply.size());
    std::copy(reply.begin(), reply.end(), result->data);
    return result;
}

std::int16_t fakeCloseComm() {
    unit.calls.push_back("CloseComm");
    linkOpen = false;
    return 1;
}

std::int16_t fakeSetRetryParameters(const std::uint8_t* params) {
    unit.calls.push_back("SetRetryParameters " + std::to_string(params[0]) + " " +
                         std::to_string(params[1]));
    return 0;
}

std::int32_t fakeDownloadRamFile(const char* fileName, std::int16_t) {
    const std::string name = fileName;
    unit.calls.push_back("DownloadRamFile " + name.substr(name.find_last_of('/') + 1));
    downloadClock.start();
    return unit.downloadStart;
}

std::int32_t fakeGetRamDownloadData() {
    if (unit.downloadTakes.count() < 0 || downloadClock.elapsed() < unit.downloadTakes.count()) {
        return kDownloadRunning;
    }
    return unit.downloadEnd;
}

std::int16_t fakeOpenPortAdvanced(std::int8_t, std::int32_t, std::int32_t, std::int32_t) {
    unit.calls.push_back("OpenPortAdvanced");
    if (unit.channelOpenStatus == 0) unit.channelOpen = true;
    return unit.channelOpenStatus;
}

std::int16_t fakeSend(const std::uint8_t* data, std::int32_t count) {
    const Bytes bytes(data, data + count);
    unit.calls.push_back("send " + Hex(bytes));
    if (!unit.channelOpen) return kNoPortOpen;
    unit.delivered.insert(unit.delivered.end(), bytes.begin(), bytes.end());
    const auto answer = unit.answers.find(count == 1 ? data[0] : kGainBlockKey);
    if (answer == unit.answers.end()) return 0;
    if (answer->second.after.count() == 0) {
        Send(answer->second.bytes);
    } else {
        QTimer::singleShot(answer->second.after, [bytes = answer->second.bytes] { Send(bytes); });
    }
    return 0;
}

std::int16_t fakeRead(std::uint8_t* buffer, const std::int32_t* count) {
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(*count), unit.incoming.size());
    std::copy_n(unit.incoming.begin(), n, buffer);
    unit.incoming.erase(unit.incoming.begin(), unit.incoming.begin() + static_cast<long>(n));
    return n == static_cast<std::size_t>(*count) ? 0 : kDataTimeout;
}

std::int32_t fakeQueueLength(std::int32_t* errors) {
    *errors = 0;
    return unit.channelOpen ? static_cast<std::int32_t>(unit.incoming.size()) : 0;
}

std::int16_t fakeClosePort() {
    unit.calls.push_back("ClosePort");
    unit.channelOpen = false;
    unit.incoming.clear();
    return 0;
}

const app::LinkApi kFakeLink{&fakeOpenPort,        &fakeCommand,
                             &fakeCloseComm,       &fakeSetRetryParameters,
                             &fakeDownloadRamFile, &fakeGetRamDownloadData};
const app::SerialApi kFakeSerial{&fakeOpenPortAdvanced, &fakeSend, &fakeRead, &fakeQueueLength,
                                 &fakeClosePort};

}  // namespace

void AnswerEntryAndGains() {
    unit.answers[0x86] = {{0x80}};
    unit.answers[kGainBlockKey] = {{0x80}};
}

void Install() {
    linkOpen = false;
    app::OverrideLinkApi(&kFakeLink);
    app::OverrideSerialApi(&kFakeSerial);
    app::setPortProbe([](int) { return unit.portProblem; });
    app::test::useMakersRamUtilityFiles();
}

void Uninstall() {
    app::OverrideLinkApi(nullptr);
    app::OverrideSerialApi(nullptr);
    app::setPortProbe({});
    base::SetProgramDirectory(QString());
}

void Send(const Bytes& bytes) {
    if (unit.channelOpen) unit.incoming.insert(unit.incoming.end(), bytes.begin(), bytes.end());
}

std::vector<std::string> CallsStartingWith(const std::string& prefix) {
    std::vector<std::string> found;
    std::copy_if(unit.calls.begin(), unit.calls.end(), std::back_inserter(found),
                 [&](const std::string& call) { return call.rfind(prefix, 0) == 0; });
    return found;
}

std::string Hex(const Bytes& bytes) {
    std::string text;
    for (std::uint8_t byte : bytes) {
        char part[4];
        std::snprintf(part, sizeof part, text.empty() ? "%02X" : " %02X", byte);
        text += part;
    }
    return text;
}

}  // namespace zav::controls::test
