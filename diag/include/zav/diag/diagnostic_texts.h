#pragma once
// Numbers of the language texts the diagnostics show: the run, its window,
// the results view, the results file and the service report.
namespace zav::diag::text {

constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kWindowTitle = 9;
constexpr int kSensorColumn = 15;
constexpr int kStatusColumn = 16;
constexpr int kMotorColumn = 17;
constexpr int kStartDiagnostic = 18;
constexpr int kSaveCsv = 19;
constexpr int kReadingColumn = 20;
constexpr int kStacker = 23;

constexpr int kMakeSureEquipmentOn = 32;  // "Make sure the equipment is ON and connected ..."
constexpr int kErrorMotorData = 33;
constexpr int kNoSensorData = 34;
constexpr int kErrorSensorData = 35;
constexpr int kErrorFirmware = 36;
constexpr int kErrorDataset = 37;
constexpr int kDataFetched = 38;
constexpr int kDownloadError = 39;
constexpr int kGettingSensorData = 41;
constexpr int kType = 42;
constexpr int kSerialNumber = 43;
constexpr int kFirmware = 44;
constexpr int kDataset = 45;
constexpr int kFail = 46;
constexpr int kNotTested = 47;
constexpr int kMotorFwd = 48;
constexpr int kMotorRev = 49;
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
constexpr int kStraightener = 84;
constexpr int kStraightenerTested = 87;
constexpr int kResultsSaved = 88;
constexpr int kCouldNotSave = 89;

}  // namespace zav::diag::text
