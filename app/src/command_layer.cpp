#include "zav/app/command_layer.h"

#include <QCoreApplication>

#include "zav/app/global.h"
#include "zav/app/link_api.h"
#include "zav/app/link_request.h"
#include "zav/base/messages.h"
#include "zav/lang/text_ids.h"

namespace zav::app {
namespace {

// Requests and the texts that report them unanswered.
constexpr std::uint8_t kGetSerialNumber = 0x0C;
constexpr std::uint8_t kGetSensorConfig = 0x65;
constexpr std::uint8_t kGetSensorInfo = 0x61;
constexpr std::uint8_t kGetMotorConfig = 0x67;
constexpr std::uint8_t kGetMotorInfo = 0x66;
constexpr std::uint8_t kGetFullFirmware = 0x44;
constexpr std::uint8_t kGetDatasetCode = 0x16;

const char* const kBadSensorInfo = "Bad Reply to GET_SENSOR_INFO_DATA command";

// Reply layout of the sensor configuration and information requests.
constexpr int kUnitTypeFirst = 18;
constexpr int kUnitTypeLength = 10;
constexpr int kNameLength = 20;
constexpr int kFirmwareLength = 16;
constexpr int kDatasetLength = 8;
constexpr int kModelCodeLength = 6;
constexpr std::uint8_t kPhaseDelayHighCap = 64;
constexpr int kPhaseDelayMax = 512;

struct ModelCode {
    const char* code;
    const char* model;
};
constexpr ModelCode kModelCodes[] = {
    {"RX0003", "RX3"}, {"RX0005", "RX5"}, {"RX0008", "RX8"}, {"PQ0001", "PQ1"}};

// The fixed-width text field of `count` reply bytes from d[first], one byte
// to one character (the bytes of a single-byte code page map one to one, as
// in Latin-1). A zero byte ends the text: the unit pads short texts with
// zeros, and they must not reach labels, files or comparisons.
QString replyText(const LinkPacket& reply, int first, int count) {
    const auto* field = reinterpret_cast<const char*>(reply.data + first);
    return QString::fromLatin1(field, static_cast<qsizetype>(qstrnlen(field, count)));
}

// The text without blanks at either end (blanks only, as the unit pads with
// them; other characters stay).
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ') ++first;
    while (end > first && text[end - 1] == u' ') --end;
    return text.mid(first, end - first);
}

// d[18].. up to ten characters, cut before the first byte outside 0x30..0x7E.
QString unitTypeText(const LinkPacket& reply) {
    int length = 0;
    while (length < kUnitTypeLength) {
        const std::uint8_t byte = reply.data[kUnitTypeFirst + length];
        if (byte < 0x30 || byte > 0x7E) break;
        ++length;
    }
    return trimBlanks(replyText(reply, kUnitTypeFirst, length));
}

QString modelFromFirmwareCode(const QString& code) {
    for (const auto& known : kModelCodes) {
        if (code == QLatin1String(known.code)) return QString::fromLatin1(known.model);
    }
    return code;
}

std::int16_t signedByte(std::uint8_t byte) {
    return static_cast<std::int16_t>(byte < 128 ? byte : byte - 256);
}

// Stores sensor i's description. The high byte of its phase delay is cut to
// 64 in the reply record too, which keeps the last reply as decoded.
void storeSensorInfo(LinkPacket& reply, int i, ValidatorData& data) {
    std::uint8_t* d = reply.data;
    data.SensorName[i] = trimBlanks(replyText(reply, 1, kNameLength));
    data.Code[i] = d[21];
    data.Type[i] = d[22];
    data.PaperTgt[i] = d[23];
    data.PathTgt[i] = d[24];
    data.Gain1[i] = d[25];
    data.Gain2[i] = d[26];
    data.ConfigByte27[i] = d[27];
    data.Detect[i] = d[28];
    data.CalDivide[i] = d[29];
    data.DetectThresh[i] = signedByte(d[30]);
    data.FirstG1[i] = d[31];
    data.FirstG2[i] = d[32];
    data.PathAch[i] = d[33];
    data.PaperAch[i] = d[34];
    data.ClearThresh[i] = signedByte(d[35]);
    if (d[40] > kPhaseDelayHighCap) d[40] = kPhaseDelayHighCap;
    const int phaseDelay = d[39] + 256 * d[40];
    data.PhaseDelay[i] = static_cast<std::int16_t>(phaseDelay > kPhaseDelayMax ? 0 : phaseDelay);
}

// The conversation's end after a failure: the message, then CloseComm.
std::int16_t failAndClose(const QString& text) {
    base::showMessage(text);
    Link().CloseComm();
    return kReadFailed;
}

std::int16_t failAndClose(int textId) {
    return failAndClose(Global::LangText(textId));
}

// Opening shared by every procedure: pending events, OpenPort, SYNC. False
// after its message (the port is closed again only when it was opened).
bool openAndSync(std::int16_t port, LinkPacket& command, LinkPacket& reply) {
    QCoreApplication::processEvents();
    if (Link().OpenPort(port) != 1) {
        base::showMessage(Global::LangText(lang::text::kPortError), base::MessageIcon::Critical);
        return false;
    }
    if (!SendLinkRequest(command, reply, {kRequestSync})) {
        failAndClose(lang::text::kNoSync);
        return false;
    }
    return true;
}

bool sendExpansion(LinkPacket& command, LinkPacket& reply, std::uint8_t request) {
    return SendLinkRequest(command, reply, {kRequestExpansion, kExpansionSelector, request});
}

bool sendIndexedExpansion(LinkPacket& command, LinkPacket& reply, std::uint8_t request, int index) {
    return SendLinkRequest(
        command, reply,
        {kRequestExpansion, kExpansionSelector, request, static_cast<std::uint8_t>(index)});
}

}  // namespace

std::int16_t ReadValidatorSensorData(std::int16_t port, LinkPacket& command, LinkPacket& reply,
                                     ValidatorData& data) {
    if (!openAndSync(port, command, reply)) return kReadFailed;
    if (!SendLinkRequest(command, reply, {kGetSerialNumber})) {
        return failAndClose(lang::text::kNoSerialNumber);
    }
    const std::uint8_t* d = reply.data;  // the reply to each request in turn
    data.SerialNumber = d[1] * 16777216.0 + d[2] * 65536.0 + d[3] * 256.0 + d[4];

    if (!sendExpansion(command, reply, kGetSensorConfig))
        return failAndClose(lang::text::kNoSensorConfig);
    data.SensorCount = static_cast<std::int16_t>(d[1] + d[2]);
    data.UnitType = unitTypeText(reply);

    if (!data.UnitType.startsWith(QLatin1String("RX")) &&
        !data.UnitType.startsWith(QLatin1String("TM"))) {
        if (!sendExpansion(command, reply, kGetFullFirmware)) {
            return failAndClose(lang::text::kNoFullFirmware);
        }
        data.UnitType = modelFromFirmwareCode(replyText(reply, 1, kModelCodeLength));
        Link().CloseComm();
        return kReadNoSensorData;
    }

    data.ResizeSensorLists(data.SensorCount);
    for (int i = 0; i < data.SensorCount; ++i) {
        if (!sendIndexedExpansion(command, reply, kGetSensorInfo, i)) {
            return failAndClose(QString::fromLatin1(kBadSensorInfo));
        }
        storeSensorInfo(reply, i, data);
    }
    Link().CloseComm();
    return kReadOk;
}

std::int16_t ReadMotorData(std::int16_t port, LinkPacket& command, LinkPacket& reply,
                           ValidatorData& data) {
    if (!openAndSync(port, command, reply)) return kReadFailed;
    if (!sendExpansion(command, reply, kGetMotorConfig))
        return failAndClose(lang::text::kNoMotorConfig);
    data.MotorCount = reply.data[1];
    data.ResizeMotorLists(data.MotorCount);
    for (int i = 0; i < data.MotorCount; ++i) {
        if (!sendIndexedExpansion(command, reply, kGetMotorInfo, i)) {
            return failAndClose(lang::text::kBadMotorInfo);
        }
        data.MotorName[i] = trimBlanks(replyText(reply, 1, kNameLength));
        data.MotorByteA[i] = reply.data[21];
        data.MotorByteB[i] = reply.data[22];
    }
    Link().CloseComm();
    return kReadOk;
}

std::int16_t ReadFullFirmware(std::int16_t port, LinkPacket& command, LinkPacket& reply,
                              VersionData& version) {
    if (!openAndSync(port, command, reply)) return kReadFailed;
    if (!sendExpansion(command, reply, kGetFullFirmware))
        return failAndClose(lang::text::kNoFullFirmware);
    version.FullFirmware = replyText(reply, 1, kFirmwareLength);
    return kReadOk;
}

std::int16_t ReadDatasetCode(std::int16_t port, LinkPacket& command, LinkPacket& reply,
                             DatasetData& dataset) {
    if (!openAndSync(port, command, reply)) return kReadFailed;
    if (!sendExpansion(command, reply, kGetDatasetCode))
        return failAndClose(lang::text::kNoDatasetCode);
    dataset.DatasetCode = replyText(reply, 1, kDatasetLength);
    return kReadOk;
}

}  // namespace zav::app
