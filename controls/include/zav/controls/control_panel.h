#pragma once
// What the controls window shows, kept as plain state so that the window only
// renders it and the command line and the tests read it: the visibility and
// enabled state of every button and group, the sensor list with its
// selection, and the sensor reading.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace zav::controls {

// The buttons of the controls window.
enum class Control {
    MotorForward,
    MotorReverse,
    MotorStop,
    StackerOn,
    StackerOff,
    StackerPark,
    StraightenerOn,
    StraightenerOff,
    StraightenerPark,
    BezelRed,
    BezelGreen,
    BezelBlue,
    BezelWhite,
    StartPolling,
    StopPolling,
    Ok,
    Cancel,
};
constexpr int kControlCount = static_cast<int>(Control::Cancel) + 1;

// The frames that group the buttons.
enum class Group { Motor, Stacker, Straightener, BezelLed, Reading };
constexpr int kGroupCount = static_cast<int>(Group::Reading) + 1;

// The frame a button sits in; none for OK and Cancel.
std::optional<Group> GroupOf(Control control);

struct Visibility {
    bool visible = true;
    bool enabled = false;
};

// A set of buttons, as bits, for the button tables.
using ControlSet = std::uint32_t;
constexpr ControlSet Bit(Control control) {
    return ControlSet{1} << static_cast<int>(control);
}

class ControlPanel {
  public:
    // The state on load: the motor and reading frames shown, the stacker,
    // straightener and bezel frames hidden, every button disabled except the
    // hidden bezel buttons, the list empty, the reading empty.
    ControlPanel();

    // A button as shown: disabled also while it is blocked (see block()).
    Visibility control(Control control) const {
        Visibility shown = controls_[index(control)];
        shown.enabled = shown.enabled && !(blocked_ & Bit(control));
        return shown;
    }
    Visibility group(Group group) const { return groups_[static_cast<std::size_t>(group)]; }
    // A button the engineer can press now: shown and enabled, in a shown frame.
    bool usable(Control control) const;

    void setEnabled(Control control, bool enabled) { controls_[index(control)].enabled = enabled; }
    void setVisible(Control control, bool visible) { controls_[index(control)].visible = visible; }
    void enable(ControlSet controls) { setEnabled(controls, true); }
    void disable(ControlSet controls) { setEnabled(controls, false); }
    void showGroup(Group group) { groups_[static_cast<std::size_t>(group)] = {true, true}; }
    // Shows `controls` disabled until unblock(), keeping the state each
    // would have: buttons that cannot run while a command awaits its
    // acknowledge.
    void block(ControlSet controls) { blocked_ = controls; }
    void unblock() { blocked_ = 0; }

    // The sensor list, in the unit's sensor order; position p (from 1) is
    // sensor p - 1. 0 = nothing selected.
    QStringList sensors;
    int selectedSensor = 0;

    // The reading bar (range 0 to 255) and the label beside it.
    bool readingBarEnabled = false;
    int readingValue = 0;
    QString readingText;

  private:
    static std::size_t index(Control control) { return static_cast<std::size_t>(control); }
    void setEnabled(ControlSet controls, bool enabled);

    std::array<Visibility, kControlCount> controls_{};
    std::array<Visibility, kGroupCount> groups_{};
    ControlSet blocked_ = 0;
};

}  // namespace zav::controls
