// The command layer against a scripted stand-in for the link library: every
// decoding rule, message and port rule of the four procedures.
#include "zav/app/command_layer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core_test_support.h"
#include "zav/app/link_api.h"

namespace zav::app {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A validator that answers each request with a fixed reply; a request
// without one gets no reply (link status 2).
struct ScriptedValidator {
    bool portOpens = true;
    std::map<Bytes, Bytes> replies;
    std::vector<std::string> calls;
    std::vector<Bytes> requests;
    std::uint16_t lastAddressField = 0;
};
ScriptedValidator unit;

std::int16_t scriptedOpenPort(std::int16_t port) {
    unit.calls.push_back("OpenPort " + std::to_string(port));
    return unit.portOpens ? 1 : 0;
}
LinkPacket* scriptedCommand(LinkPacket* result, const LinkPacket* command) {
    const Bytes request(command->data, command->data + command->length);
    unit.calls.push_back("Command");
    unit.requests.push_back(request);
    unit.lastAddressField = command->status;
    const auto reply = unit.replies.find(request);
    if (reply == unit.replies.end()) {
        result->status = 2;
        return result;
    }
    result->status = 1;
    result->length = static_cast<std::uint8_t>(reply->second.size());
    std::memcpy(result->data, reply->second.data(), reply->second.size());
    return result;
}
std::int16_t scriptedCloseComm() {
    unit.calls.push_back("CloseComm");
    return 1;
}
const LinkApi kScriptedLink{&scriptedOpenPort, &scriptedCommand, &scriptedCloseComm,
                            nullptr,           nullptr,          nullptr};

const Bytes kSync{0x11};
const Bytes kSerial{0x0C};
const Bytes kSensorConfig{0x30, 0x05, 0x65};
const Bytes kMotorConfig{0x30, 0x05, 0x67};
const Bytes kFirmware{0x30, 0x05, 0x44};
const Bytes kDataset{0x30, 0x05, 0x16};
Bytes sensorInfo(int i) {
    return {0x30, 0x05, 0x61, static_cast<std::uint8_t>(i)};
}
Bytes motorInfo(int i) {
    return {0x30, 0x05, 0x66, static_cast<std::uint8_t>(i)};
}

// A reply: 0xF0, then `text` padded with blanks to `width`, then `rest`.
Bytes okReply(const std::string& text = "", std::size_t width = 0, const Bytes& rest = {}) {
    const std::size_t textWidth = std::max(width, text.size());
    Bytes reply(1 + textWidth + rest.size(), ' ');
    reply[0] = 0xF0;
    std::copy(text.begin(), text.end(), reply.begin() + 1);
    std::copy(rest.begin(), rest.end(), reply.begin() + 1 + static_cast<long>(textWidth));
    return reply;
}

// Sensor configuration reply: counts in d[1], d[2], unit type bytes from d[18].
Bytes configReply(std::uint8_t first, std::uint8_t second, const Bytes& unitType) {
    Bytes reply(28, 0);
    reply[0] = 0xF0;
    reply[1] = first;
    reply[2] = second;
    std::copy(unitType.begin(), unitType.end(), reply.begin() + 18);
    return reply;
}
Bytes typeBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// Sensor information reply: the name in d[1..20], then d[21]..d[40].
Bytes infoReply(const std::string& name, const Bytes& d21to40) {
    return okReply(name, 20, d21to40);
}
Bytes infoWithPhaseDelay(std::uint8_t low, std::uint8_t high) {
    Bytes tail(20, 0);
    tail[18] = low;
    tail[19] = high;
    return infoReply("S", tail);
}

class CommandLayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureApplication();
        test::installEnglishTexts();
        unit = ScriptedValidator{};
        unit.replies[kSync] = {0xF0};
        unit.replies[kSerial] = {0xF0, 0x00, 0x01, 0xE2, 0x40};
        OverrideLinkApi(&kScriptedLink);
        std::memset(&command, 0, sizeof command);
        std::memset(&reply, 0, sizeof reply);
    }
    void TearDown() override { OverrideLinkApi(nullptr); }

    // A TM6 with `sensors` sensors, each answering with `info`.
    void validatorWithSensors(int sensors, const Bytes& info) {
        unit.replies[kSensorConfig] =
            configReply(static_cast<std::uint8_t>(sensors), 0, typeBytes("TM6"));
        for (int i = 0; i < sensors; ++i) unit.replies[sensorInfo(i)] = info;
    }
    std::int16_t readSensors() { return ReadValidatorSensorData(3, command, reply, data); }
    int closeCount() const {
        return static_cast<int>(std::count(unit.calls.begin(), unit.calls.end(), "CloseComm"));
    }

    test::RecordingFrontEnd frontEnd;
    LinkPacket command{};
    LinkPacket reply{};
    ValidatorData data;
};

TEST_F(CommandLayerTest, DecodesEverySensorField) {
    Bytes tail;  // d[21]..d[40]
    for (std::uint8_t b = 21; b <= 40; ++b) tail.push_back(b);
    tail[30 - 21] = 0xFE;  // DetectThresh -2
    tail[35 - 21] = 0x80;  // ClearThresh -128
    tail[39 - 21] = 0x00;
    tail[40 - 21] = 0x02;  // PhaseDelay 512
    unit.replies[kSensorConfig] = configReply(1, 1, typeBytes("TM6"));
    unit.replies[sensorInfo(0)] = infoReply("  Left Opto", tail);
    unit.replies[sensorInfo(1)] = infoReply("X", Bytes(20, 0x7F));

    ASSERT_EQ(readSensors(), kReadOk);
    EXPECT_TRUE(frontEnd.events.isEmpty()) << frontEnd.events.join('\n').toStdString();
    EXPECT_EQ(data.SerialNumber, 123456.0);
    EXPECT_EQ(data.UnitType, QStringLiteral("TM6"));
    ASSERT_EQ(data.SensorCount, 2);
    ASSERT_EQ(data.SensorName.size(), 2u);
    EXPECT_EQ(data.SensorName[0], QStringLiteral("Left Opto"));
    EXPECT_EQ(data.Code[0], 21);
    EXPECT_EQ(data.Type[0], 22);
    EXPECT_EQ(data.PaperTgt[0], 23);
    EXPECT_EQ(data.PathTgt[0], 24);
    EXPECT_EQ(data.Gain1[0], 25);
    EXPECT_EQ(data.Gain2[0], 26);
    EXPECT_EQ(data.ConfigByte27[0], 27);
    EXPECT_EQ(data.Detect[0], 28);
    EXPECT_EQ(data.CalDivide[0], 29);
    EXPECT_EQ(data.DetectThresh[0], -2);
    EXPECT_EQ(data.FirstG1[0], 31);
    EXPECT_EQ(data.FirstG2[0], 32);
    EXPECT_EQ(data.PathAch[0], 33);
    EXPECT_EQ(data.PaperAch[0], 34);
    EXPECT_EQ(data.ClearThresh[0], -128);
    EXPECT_EQ(data.PhaseDelay[0], 512);
    EXPECT_EQ(data.SpareBytes, (std::vector<std::uint8_t>{0, 0}));
    EXPECT_EQ(data.DetectThresh[1], 127);
    EXPECT_EQ(data.PhaseDelay[1], 0) << "0x7F7F is above 512";

    const std::vector<Bytes> expected{kSync, kSerial, kSensorConfig, sensorInfo(0), sensorInfo(1)};
    EXPECT_EQ(unit.requests, expected);
    EXPECT_EQ(unit.calls.front(), "OpenPort 3");
    EXPECT_EQ(unit.calls.back(), "CloseComm");
    EXPECT_EQ(closeCount(), 1);
}

TEST_F(CommandLayerTest, PhaseDelayRules) {
    struct Case {
        std::uint8_t low, high;
        std::int16_t phaseDelay;
        std::uint8_t highInReply;
    };
    for (const Case c :
         {Case{0x00, 0x02, 512, 0x02}, Case{0x01, 0x02, 0, 0x02}, Case{0x2C, 0x01, 300, 0x01},
          Case{0x05, 0xC8, 0, 64}, Case{0x00, 0x41, 0, 64}}) {
        validatorWithSensors(1, infoWithPhaseDelay(c.low, c.high));
        ASSERT_EQ(readSensors(), kReadOk);
        EXPECT_EQ(data.PhaseDelay[0], c.phaseDelay) << int(c.low) << " " << int(c.high);
        EXPECT_EQ(reply.data[40], c.highInReply) << "the cut to 64 shows in the reply record";
    }
}

TEST_F(CommandLayerTest, SerialNumberStaysPositiveAboveTwoToTheThirtyFirst) {
    unit.replies[kSerial] = {0xF0, 0xFF, 0xFF, 0xFF, 0xFF};
    validatorWithSensors(0, {});
    ASSERT_EQ(readSensors(), kReadOk);
    EXPECT_EQ(data.SerialNumber, 4294967295.0);
}

TEST_F(CommandLayerTest, NoSensorsReadsNoDescriptionsAndSucceeds) {
    data.ResizeSensorLists(4);
    validatorWithSensors(0, {});
    ASSERT_EQ(readSensors(), kReadOk);
    EXPECT_EQ(data.SensorCount, 0);
    EXPECT_TRUE(data.SensorName.empty());
    EXPECT_TRUE(data.PhaseDelay.empty());
    EXPECT_EQ(unit.requests.size(), 3u);
}

TEST_F(CommandLayerTest, UnitTypeIsCutAtTheFirstByteOutsidePrintables) {
    const std::pair<Bytes, const char*> cases[] = {
        {{'T', 'M', '6', 0x00, 'X'}, "TM6"},
        {typeBytes("TM6ABCDEFG"), "TM6ABCDEFG"},
        {{'R', 'X', '5', 0x7F, 'Z'}, "RX5"},
        {{'T', 'M', '4', 0x2F}, "TM4"},
    };
    for (const auto& [field, expected] : cases) {
        unit.replies[kSensorConfig] = configReply(0, 0, field);
        ASSERT_EQ(readSensors(), kReadOk) << expected;
        EXPECT_EQ(data.UnitType, QString::fromLatin1(expected));
    }
}

TEST_F(CommandLayerTest, UnitWithoutValidatorTypeIsNamedFromItsFirmware) {
    const std::pair<std::string, const char*> cases[] = {
        {"PQ0001", "PQ1"}, {"RX0003", "RX3"},    {"RX0005", "RX5"},
        {"RX0008", "RX8"}, {"AB1234", "AB1234"}, {"TM0006", "TM0006"}};
    for (const auto& [code, expected] : cases) {
        data = ValidatorData{};
        data.ResizeSensorLists(2);
        data.SensorName[0] = QStringLiteral("kept");
        unit.requests.clear();
        unit.calls.clear();
        unit.replies[kSensorConfig] = configReply(3, 2, typeBytes("PQ"));
        unit.replies[kFirmware] = okReply(code + "-v1.02 PQ1", 16);
        ASSERT_EQ(readSensors(), kReadNoSensorData) << code;
        EXPECT_EQ(data.UnitType, QString::fromLatin1(expected));
        EXPECT_EQ(data.SensorCount, 5);
        EXPECT_EQ(data.SensorName, (std::vector<QString>{QStringLiteral("kept"), QString()}));
        EXPECT_EQ(unit.requests.back(), kFirmware);
        EXPECT_EQ(unit.calls.back(), "CloseComm");
    }
    EXPECT_TRUE(frontEnd.events.isEmpty());
}

TEST_F(CommandLayerTest, BlankBeforeTheTypeEmptiesItAndTakesTheFirmwarePath) {
    unit.replies[kSensorConfig] = configReply(1, 0, typeBytes(" TM6"));
    unit.replies[kFirmware] = okReply("TM0006 v2", 16);
    EXPECT_EQ(readSensors(), kReadNoSensorData);
    EXPECT_EQ(data.UnitType, QStringLiteral("TM0006"));
}

// Each request answered 0xF2 (a generic code, link status 1) fails with its
// own text, closes the port and returns 0.
TEST_F(CommandLayerTest, ReplyF2FailsEachRequestWithItsMessage) {
    validatorWithSensors(2, infoReply("S", Bytes(20, 1)));
    unit.replies[kMotorConfig] = {0xF0, 1};
    unit.replies[motorInfo(0)] = okReply("Transport", 20, {1, 2});
    unit.replies[kFirmware] = okReply("TM0006", 16);
    unit.replies[kDataset] = okReply("DS", 8);
    enum Procedure { Sensors, Motors, Firmware, Dataset };
    const struct {
        Bytes request;
        Procedure procedure;
        const char* message;
    } cases[] = {
        {kSync, Sensors, "No sync response!"},
        {kSerial, Sensors, "No response to GET_serialnumber"},
        {kSensorConfig, Sensors, "No response to GET_SENSOR_CONFIG_DATA"},
        {sensorInfo(1), Sensors, "Bad Reply to GET_SENSOR_INFO_DATA command"},
        {kSync, Motors, "No sync response!"},
        {kMotorConfig, Motors, "No response to GET_MOTOR_CONFIG_DATA"},
        {motorInfo(0), Motors, "Bad Reply to GET_MOTOR_INFO_DATA command"},
        {kFirmware, Firmware, "No response to GET_FULL_FIRMWARE"},
        {kDataset, Dataset, "No response to GET_DATASET_CODE"},
    };
    for (const auto& c : cases) {
        const Bytes good = unit.replies[c.request];
        unit.replies[c.request] = {0xF2};
        unit.calls.clear();
        frontEnd.events.clear();
        VersionData version;
        DatasetData dataset;
        std::int16_t result = -1;
        switch (c.procedure) {
            case Sensors:
                result = readSensors();
                break;
            case Motors:
                result = ReadMotorData(3, command, reply, data);
                break;
            case Firmware:
                result = ReadFullFirmware(3, command, reply, version);
                break;
            case Dataset:
                result = ReadDatasetCode(3, command, reply, dataset);
                break;
        }
        EXPECT_EQ(result, kReadFailed) << c.message;
        EXPECT_EQ(frontEnd.events, QStringList{QStringLiteral("message Warning: ") +
                                               QString::fromLatin1(c.message)});
        EXPECT_EQ(unit.calls.back(), "CloseComm") << c.message;
        EXPECT_EQ(closeCount(), 1) << c.message;
        unit.replies[c.request] = good;
    }
}

TEST_F(CommandLayerTest, SensorsReadBeforeAFailureKeepTheirValues) {
    validatorWithSensors(3, infoReply("Good", Bytes(20, 9)));
    unit.replies.erase(sensorInfo(2));
    EXPECT_EQ(readSensors(), kReadFailed);
    ASSERT_EQ(data.SensorName.size(), 3u);
    EXPECT_EQ(data.SensorName[1], QStringLiteral("Good"));
    EXPECT_EQ(data.Gain1[1], 9);
    EXPECT_EQ(data.SensorName[2], QString());
}

TEST_F(CommandLayerTest, PortThatDoesNotOpenIsNeverClosed) {
    unit.portOpens = false;
    VersionData version;
    DatasetData dataset;
    EXPECT_EQ(readSensors(), kReadFailed);
    EXPECT_EQ(ReadMotorData(3, command, reply, data), kReadFailed);
    EXPECT_EQ(ReadFullFirmware(3, command, reply, version), kReadFailed);
    EXPECT_EQ(ReadDatasetCode(3, command, reply, dataset), kReadFailed);
    EXPECT_EQ(unit.calls, std::vector<std::string>(4, "OpenPort 3"));
    EXPECT_EQ(
        frontEnd.events,
        QStringList(4, QStringLiteral("message Critical: Error opening communication port!")));
}

// Fields past a short reply read 0, not what an earlier reply left behind,
// and an unanswered request is never taken for an earlier 0xF0.
TEST_F(CommandLayerTest, ReplyRecordIsClearedBeforeEachRequest) {
    unit.replies[kSensorConfig] = configReply(2, 0, typeBytes("TM6"));
    unit.replies[sensorInfo(0)] = infoReply("Full", Bytes(20, 0x33));
    unit.replies[sensorInfo(1)] = okReply("Short", 20, {0x44, 0x5F});  // d[21], d[22] only
    ASSERT_EQ(readSensors(), kReadOk);
    EXPECT_EQ(data.Code[1], 0x44);
    EXPECT_EQ(data.Type[1], 0x5F);
    EXPECT_EQ(data.Gain1[1], 0);
    EXPECT_EQ(data.PhaseDelay[1], 0);
    EXPECT_EQ(data.ClearThresh[1], 0);

    unit.replies.erase(kSerial);  // no reply at all: link status 2
    EXPECT_EQ(readSensors(), kReadFailed);
    EXPECT_EQ(frontEnd.messages().last(),
              QStringLiteral("message Warning: No response to GET_serialnumber"));
}

TEST_F(CommandLayerTest, CommandRecordKeepsTheCallersAddress) {
    command.status = 0x0005;
    validatorWithSensors(0, {});
    ASSERT_EQ(readSensors(), kReadOk);
    EXPECT_EQ(unit.lastAddressField, 0x0005);
    EXPECT_EQ(command.length, 3);
}

TEST_F(CommandLayerTest, MotorsAreReadAndThePortClosed) {
    data.ResizeMotorLists(5);
    unit.replies[kMotorConfig] = {0xF0, 2};
    unit.replies[motorInfo(0)] = okReply(" Transport  ", 20, {7, 8});
    unit.replies[motorInfo(1)] = okReply("Stacker", 20, {9, 10});
    ASSERT_EQ(ReadMotorData(3, command, reply, data), kReadOk);
    EXPECT_EQ(data.MotorCount, 2);
    EXPECT_EQ(data.MotorName,
              (std::vector<QString>{QStringLiteral("Transport"), QStringLiteral("Stacker")}));
    EXPECT_EQ(data.MotorByteA, (std::vector<std::uint8_t>{7, 9}));
    EXPECT_EQ(data.MotorByteB, (std::vector<std::uint8_t>{8, 10}));
    EXPECT_EQ(unit.calls.back(), "CloseComm");
}

TEST_F(CommandLayerTest, FirmwareAndDatasetTextsAreUntrimmedAndLeaveThePortOpen) {
    unit.replies[kFirmware] = okReply(" TM0006 v1.2 TM6 extra");
    unit.replies[kDataset] = okReply("EUR 01  tail");
    VersionData version;
    DatasetData dataset;
    ASSERT_EQ(ReadFullFirmware(3, command, reply, version), kReadOk);
    ASSERT_EQ(ReadDatasetCode(3, command, reply, dataset), kReadOk);
    EXPECT_EQ(version.FullFirmware, QStringLiteral(" TM0006 v1.2 TM6"));
    EXPECT_EQ(dataset.DatasetCode, QStringLiteral("EUR 01  "));
    EXPECT_EQ(closeCount(), 0);
}

}  // namespace
}  // namespace zav::app
