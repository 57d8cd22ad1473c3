#pragma once
// The controls window's state and logic behind ControlsSession. The session
// holds it, and so does every preparation or command in progress, so it
// outlives a session deleted during a wait until its unload has run.
#include <QObject>
#include <chrono>
#include <cstdint>

#include "ZavtekVLP.h"
#include "zav/app/ram_download_poll.h"
#include "zav/app/session_lifetime.h"
#include "zav/app/session_view.h"
#include "zav/app/tick_clock.h"
#include "zav/app/validator_data.h"
#include "zav/controls/control_panel.h"
#include "zav/controls/sensor_poll.h"

namespace zav::controls {

struct ActuatorCommand;

class ControlsSessionCore : public QObject {
    Q_OBJECT
  public:
    ControlsSessionCore(std::int16_t port, std::chrono::milliseconds tickLength,
                        app::SessionView& view);

    void prepare();
    bool press(Control control);
    bool selectSensor(int position);

    app::SessionLifetime& lifetime() { return lifetime_; }
    const ControlPanel& panel() const { return panel_; }
    const app::ValidatorData& validator() const { return data_; }

  signals:
    void panelChanged();

  private:
    bool closing() const { return lifetime_.closing(); }
    bool portUsable();
    bool identify();
    bool loadRamUtility();
    void enterRamUtility();
    void showSupportedGroups();
    void runCommand(const ActuatorCommand& command);
    void startPolling();
    void stopPolling();
    void showReading(std::uint8_t value);
    void setStatus(int textId);
    void unload();

    const std::int16_t port_;
    app::TickClock clock_;
    app::SessionLifetime lifetime_;
    app::RamDownloadPoll downloadPoll_;
    SensorPoll poll_;
    ControlPanel panel_;

    app::ValidatorData data_;
    app::VersionData version_;
    LinkPacket command_{};
    LinkPacket reply_{};
    bool downloadComplete_ = false;
};

}  // namespace zav::controls
