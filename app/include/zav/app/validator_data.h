#pragma once
// The connected unit as the command layer reads it: identity, one entry per
// sensor and one per motor. Each tool window owns one record of each kind.
#include <QString>
#include <cstdint>
#include <vector>

namespace zav::app {

struct ValidatorData {
    QString UnitType;
    // An unsigned 32-bit serial number, kept in a double so it stays positive.
    double SerialNumber = 0;
    std::int16_t SensorCount = 0;

    // Per sensor, indexed 0 to SensorCount - 1.
    std::vector<QString> SensorName;
    std::vector<std::uint8_t> Code;
    std::vector<std::uint8_t> Type;  // a character code

    std::int16_t MotorCount = 0;
    // Per motor, indexed 0 to MotorCount - 1.
    std::vector<QString> MotorName;
    std::vector<std::uint8_t> MotorByteA;
    std::vector<std::uint8_t> MotorByteB;

    // Per sensor again.
    std::vector<std::uint8_t> Gain1;
    std::vector<std::uint8_t> Gain2;
    std::vector<std::uint8_t> PathTgt;
    std::vector<std::uint8_t> PaperTgt;
    std::vector<std::uint8_t> SpareBytes;  // never filled
    std::vector<std::uint8_t> CalDivide;
    std::vector<std::uint8_t> ConfigByte27;
    std::vector<std::uint8_t> Detect;
    std::vector<std::int16_t> DetectThresh;
    std::vector<std::uint8_t> FirstG1;
    std::vector<std::uint8_t> FirstG2;
    std::vector<std::uint8_t> PathAch;
    std::vector<std::uint8_t> PaperAch;
    std::vector<std::int16_t> ClearThresh;
    std::vector<std::int16_t> PhaseDelay;  // 0 to 512

    // Re-creates every per-sensor list with `count` empty entries (0, empty
    // text); a negative count gives empty lists. SensorCount is not changed.
    void ResizeSensorLists(int count) {
        const std::size_t n = count > 0 ? static_cast<std::size_t>(count) : 0;
        SensorName.assign(n, QString());
        for (auto* list :
             {&Code, &Type, &Gain1, &Gain2, &PathTgt, &PaperTgt, &SpareBytes, &CalDivide,
              &ConfigByte27, &Detect, &FirstG1, &FirstG2, &PathAch, &PaperAch}) {
            list->assign(n, 0);
        }
        for (auto* list : {&DetectThresh, &ClearThresh, &PhaseDelay}) list->assign(n, 0);
    }

    // Re-creates the per-motor lists with `count` empty entries.
    void ResizeMotorLists(int count) {
        const std::size_t n = count > 0 ? static_cast<std::size_t>(count) : 0;
        MotorName.assign(n, QString());
        MotorByteA.assign(n, 0);
        MotorByteB.assign(n, 0);
    }
};

// Entry `index` of a per-sensor or per-motor list, or an empty value when the
// list has no such entry; readers of the record never index past its lists.
template <typename T>
T ValueAt(const std::vector<T>& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return T{};
    return list[static_cast<std::size_t>(index)];
}

// The version record: the unit's full firmware text (16 characters).
struct VersionData {
    QString FullFirmware;
};

// The dataset record: the unit's dataset text (8 characters).
struct DatasetData {
    QString DatasetCode;
};

}  // namespace zav::app
