#include "actuator_commands.h"

#include "zav/app/ram_utility_commands.h"
#include "zav/lang/text_ids.h"

namespace zav::controls {
namespace {

namespace cmd = app::ram_command;
using C = Control;

constexpr int kClearStatus = 0;

constexpr int kStackerParkLimit = 80;  // ticks
constexpr int kShortAckLimit = 10;     // ticks

constexpr ControlSet kMotorRunning = Bit(C::MotorForward) | Bit(C::MotorReverse);
constexpr ControlSet kStackerIdle = Bit(C::StackerOn) | Bit(C::StackerPark);
constexpr ControlSet kStraightenerIdle = Bit(C::StraightenerOn) | Bit(C::StraightenerPark);
constexpr ControlSet kBezel =
    Bit(C::BezelRed) | Bit(C::BezelGreen) | Bit(C::BezelBlue) | Bit(C::BezelWhite);

// An unacknowledged command: it only has end states.
constexpr ActuatorCommand plain(C control, int text, std::uint8_t byte, ControlSet enable,
                                ControlSet disable) {
    return {control, text, byte, 0, false, 0, 0, enable, disable};
}
// A park command: ON and PARK disabled while it waits, enabled afterwards.
constexpr ActuatorCommand park(C control, int text, std::uint8_t byte, int limit, ControlSet idle) {
    return {control, text, byte, limit, true, 0, idle, idle, 0};
}
// A bezel colour: its own button disabled, the other three enabled, before
// the byte goes out and so also afterwards.
constexpr ActuatorCommand bezel(C control, std::uint8_t byte) {
    const ControlSet others = kBezel & ~Bit(control);
    return {control,      lang::text::kChangingBezel,
            byte,         kShortAckLimit,
            false,        others,
            Bit(control), others,
            Bit(control)};
}

constexpr ActuatorCommand kCommands[] = {
    plain(C::MotorForward, lang::text::kTestingMotor, cmd::kMotorForward, Bit(C::MotorStop),
          kMotorRunning),
    plain(C::MotorReverse, lang::text::kTestingMotor, cmd::kMotorReverse, Bit(C::MotorStop),
          kMotorRunning),
    plain(C::MotorStop, kClearStatus, cmd::kMotorStop, kMotorRunning, Bit(C::MotorStop)),
    plain(C::StackerOn, lang::text::kTestingStacker, cmd::kStackerOn, Bit(C::StackerOff),
          kStackerIdle),
    plain(C::StackerOff, kClearStatus, cmd::kStackerOff, kStackerIdle, Bit(C::StackerOff)),
    park(C::StackerPark, lang::text::kParkingStacker, cmd::kStackerPark, kStackerParkLimit,
         kStackerIdle),
    plain(C::StraightenerOn, lang::text::kTestingStraightener, cmd::kStraightenerOn,
          Bit(C::StraightenerOff), kStraightenerIdle),
    plain(C::StraightenerOff, kClearStatus, cmd::kStraightenerOff, kStraightenerIdle,
          Bit(C::StraightenerOff)),
    park(C::StraightenerPark, lang::text::kParkingStraightener, cmd::kStraightenerPark,
         kShortAckLimit, kStraightenerIdle),
    bezel(C::BezelRed, cmd::kBezelRed),
    bezel(C::BezelGreen, cmd::kBezelGreen),
    bezel(C::BezelBlue, cmd::kBezelBlue),
    bezel(C::BezelWhite, cmd::kBezelWhite),
};

}  // namespace

ControlSet AcknowledgedControls() {
    ControlSet controls = 0;
    for (const ActuatorCommand& command : kCommands) {
        if (command.ackLimitTicks > 0) controls |= Bit(command.control);
    }
    return controls;
}

const ActuatorCommand* FindActuatorCommand(Control control) {
    for (const ActuatorCommand& command : kCommands) {
        if (command.control == control) return &command;
    }
    return nullptr;
}

}  // namespace zav::controls
