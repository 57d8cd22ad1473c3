#pragma once
// The actuator buttons of the controls window: the byte each sends to the
// RAM utility, its status text, how long it waits for the acknowledge and
// how it leaves the buttons of its group.
#include <cstdint>

#include "zav/controls/control_panel.h"

namespace zav::controls {

struct ActuatorCommand {
    Control control;
    int statusText;  // text number for the status line; 0 clears it
    std::uint8_t byte;
    int ackLimitTicks;      // 0: no acknowledge is awaited
    bool clearStatusOnAck;  // the park commands clear the status line when acknowledged
    // Set before the byte goes out (acknowledged commands only)...
    ControlSet busyEnable;
    ControlSet busyDisable;
    // ...and once the command is over, acknowledged or not.
    ControlSet doneEnable;
    ControlSet doneDisable;
};

// The command of an actuator button, or nullptr for the other buttons.
const ActuatorCommand* FindActuatorCommand(Control control);

// The buttons of the commands that await an acknowledge.
ControlSet AcknowledgedControls();

}  // namespace zav::controls
