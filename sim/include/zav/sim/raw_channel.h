#pragma once
// The RAM utility's side of the raw channel as tests and zavsim see it: the
// result packets of a diagnostic, and the faults it can be given.
#include <cstdint>
#include <optional>

namespace zav::sim {

// The result packets of a diagnostic, in the order a unit sends them (the
// stacker packet not on RX3 and TM4, the straightener packet on TM6 only).
enum class ResultPacket { Stacker, OptoWheel, Straightener, PaperLess, GreenPaper };

// The mechanisms the diagnostic tests.
enum class Mechanism { Stacker, MotorForward, MotorReverse, Straightener };

// The two sensor tests: an empty path, and a green test paper in it.
enum class SensorTest { PaperLess, GreenPaper };

// Something the RAM utility does wrong for the rest of the run.
struct RawFault {
    enum class Kind {
        NoAck,           // never acknowledge `command`
        BadCheck,        // send `packet` (or, without one, every packet) with a wrong check byte
        WrongCode,       // send `packet` (or every packet) with a wrong code
        NoGreenPaper,    // the green paper never arrives
        SensorFails,     // `sensor` reads out of its limits in `test`
        MechanismFails,  // `mechanism` fails its test
    };
    Kind kind = Kind::NoAck;
    // The command byte; 0x7F stands for the sensor-gain packet.
    std::uint8_t command = 0;
    std::optional<ResultPacket> packet;
    int sensor = 0;  // zero-based
    SensorTest test = SensorTest::PaperLess;
    Mechanism mechanism = Mechanism::Stacker;
};

}  // namespace zav::sim
