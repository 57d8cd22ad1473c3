#pragma once
// The controls window's logic without the window: preparation (identify the
// unit, load and enter the RAM utility, download the sensor gains, hold the
// RAM utility channel open), the actuator buttons, sensor polling and
// closing. The window renders panel() and forwards presses; the command line
// and the tests drive it the same way. Runs on the user-interface thread;
// its waits keep the event loop running.
#include <QObject>
#include <chrono>
#include <cstdint>

#include "ZavtekVLP.h"
#include "zav/app/ram_download_poll.h"
#include "zav/app/session_view.h"
#include "zav/app/tick_clock.h"
#include "zav/app/validator_data.h"
#include "zav/controls/control_panel.h"
#include "zav/controls/sensor_poll.h"

namespace zav::controls {

struct ActuatorCommand;

// Ticks the preparation waits for the RAM utility download.
constexpr int kDownloadWaitTicks = 150;

class ControlsSession : public QObject {
    Q_OBJECT
  public:
    // `port` is the validator's port number for both channels; `tickLength`
    // is the clock of every wait and of the sensor poll (100 ms in the
    // program). The status line goes to `view`, messages to the program's
    // message sink.
    ControlsSession(std::int16_t port, std::chrono::milliseconds tickLength, app::SessionView& view,
                    QObject* parent = nullptr);
    // Closes the session if that has not happened yet.
    ~ControlsSession() override;
    ControlsSession(const ControlsSession&) = delete;
    ControlsSession& operator=(const ControlsSession&) = delete;

    // Runs the preparation to its end and returns; the panel then shows what
    // the engineer may use. A unit without sensor data, or a RAM utility
    // channel that does not open, ends it early with every button disabled.
    // Ends at once when the session is closed meanwhile.
    void prepare();

    // Presses a button. Returns false, doing nothing, when it is not usable
    // now (hidden, disabled, in a hidden frame), and for an acknowledged
    // command or Start while another command awaits its acknowledge (a
    // second wait would stop the first one's clock, and the poll would take
    // its acknowledge). OK and Cancel close the session.
    bool press(Control control);

    // Selects the sensor at list position `position` (from 1); polling asks
    // for it from the next tick on. False for a position outside the list.
    bool selectSensor(int position);

    // Stops polling, sends the RAM utility its leave command 0x82 and closes
    // the channel, however preparation ended. A wait still running ends at
    // once and its command leaves the panel as it is. Once only.
    void close();
    bool isClosed() const { return closed_; }

    const ControlPanel& panel() const { return panel_; }
    // The unit as identified (UnitType after the TM5-to-TM3 rule).
    const app::ValidatorData& validator() const { return data_; }

  signals:
    // Something of panel() changed: buttons, frames, list, reading.
    void panelChanged();

  private:
    bool identify();
    bool loadRamUtility();
    void enterRamUtility();
    void showSupportedGroups();
    void runCommand(const ActuatorCommand& command);
    void startPolling();
    void stopPolling();
    void showReading(std::uint8_t value);
    void setStatus(int textId);

    const std::int16_t port_;
    app::SessionView& view_;
    app::TickClock clock_;
    app::RamDownloadPoll downloadPoll_;
    SensorPoll poll_;
    ControlPanel panel_;

    app::ValidatorData data_;
    app::VersionData version_;
    LinkPacket command_{};
    LinkPacket reply_{};
    bool downloadComplete_ = false;
    bool awaitingAck_ = false;
    bool closed_ = false;
};

}  // namespace zav::controls
