#include "zav/controls/control_panel.h"

namespace zav::controls {

std::optional<Group> GroupOf(Control control) {
    switch (control) {
        case Control::MotorForward:
        case Control::MotorReverse:
        case Control::MotorStop:
            return Group::Motor;
        case Control::StackerOn:
        case Control::StackerOff:
        case Control::StackerPark:
            return Group::Stacker;
        case Control::StraightenerOn:
        case Control::StraightenerOff:
        case Control::StraightenerPark:
            return Group::Straightener;
        case Control::BezelRed:
        case Control::BezelGreen:
        case Control::BezelBlue:
        case Control::BezelWhite:
            return Group::BezelLed;
        case Control::StartPolling:
        case Control::StopPolling:
            return Group::Reading;
        case Control::Ok:
        case Control::Cancel:
            break;
    }
    return std::nullopt;
}

ControlPanel::ControlPanel() {
    groups_.fill({false, false});
    showGroup(Group::Motor);
    showGroup(Group::Reading);
    for (Control hidden :
         {Control::StackerOn, Control::StackerOff, Control::StackerPark, Control::StraightenerOn,
          Control::StraightenerOff, Control::StraightenerPark}) {
        setVisible(hidden, false);
    }
    for (Control bezel :
         {Control::BezelRed, Control::BezelGreen, Control::BezelBlue, Control::BezelWhite}) {
        controls_[index(bezel)] = {false, true};
    }
}

bool ControlPanel::usable(Control c) const {
    const std::optional<Group> frame = GroupOf(c);
    const bool frameUsable = !frame || (group(*frame).visible && group(*frame).enabled);
    return control(c).visible && control(c).enabled && frameUsable;
}

void ControlPanel::setEnabled(ControlSet controls, bool enabled) {
    for (int i = 0; i < kControlCount; ++i) {
        if (controls & (ControlSet{1} << i))
            controls_[static_cast<std::size_t>(i)].enabled = enabled;
    }
}

}  // namespace zav::controls
