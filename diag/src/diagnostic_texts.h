#pragma once
// Numbers of the language texts the diagnostic run shows.
namespace zav::diag::text {

constexpr int kMakeSureEquipmentOn = 32;  // "Make sure the equipment is ON and connected ..."
constexpr int kErrorMotorData = 33;
constexpr int kNoSensorData = 34;
constexpr int kErrorSensorData = 35;
constexpr int kErrorFirmware = 36;
constexpr int kErrorDataset = 37;
constexpr int kDataFetched = 38;
constexpr int kDownloadError = 39;
constexpr int kGettingSensorData = 41;
constexpr int kConnectionLost = 52;
constexpr int kDownloadGains = 53;
constexpr int kNotAnswering = 55;
constexpr int kRestartEquipment = 62;
constexpr int kTesting = 63;
constexpr int kStackerTested = 64;
constexpr int kOptoWheelTested = 65;
constexpr int kUnexpectedAnswer = 66;
constexpr int kSensorValuesReceived = 67;
constexpr int kPaperLessDone = 68;
constexpr int kInsertGreenPaper = 69;
constexpr int kPaperTestDone = 70;
constexpr int kNoGreenPaper = 71;
constexpr int kPassed = 72;
constexpr int kFailed = 73;
constexpr int kStraightenerTested = 87;
constexpr int kResultsSaved = 88;

}  // namespace zav::diag::text
