#pragma once
// The initialise window's state and logic behind InitialiseSession. The
// session holds it, and so does a run in progress, so it outlives a session
// deleted during a run until its unload has run.
#include <QObject>
#include <QString>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "ZavtekVLP.h"
#include "zav/app/session_lifetime.h"
#include "zav/app/session_view.h"
#include "zav/app/tick_clock.h"
#include "zav/app/validator_data.h"
#include "zav/controls/initialise_session.h"

namespace zav::controls {

class InitialiseSessionCore : public QObject {
    Q_OBJECT
  public:
    InitialiseSessionCore(std::int16_t port, std::chrono::milliseconds tickLength,
                          app::SessionView& view);

    void start();
    bool completed() const { return completed_; }

    app::SessionLifetime& lifetime() { return lifetime_; }
    QString caption() const { return caption_; }
    const std::vector<SensorStatusRow>& rows() const { return rows_; }
    bool startEnabled() const { return startEnabled_; }
    const app::ValidatorData& validator() const { return data_; }

  signals:
    void changed();

  private:
    bool closing() const { return lifetime_.closing(); }
    bool initialiseAndFollow();
    bool startInitialisation();
    bool followStatus();
    bool finish();
    bool requestStatus();
    bool portUsable();
    std::optional<std::uint8_t> readCapability();
    void prepareList();
    void showStatusReply();
    void closeLink();
    void unload();

    const std::int16_t port_;
    app::TickClock clock_;
    app::SessionLifetime lifetime_;
    app::ValidatorData data_;
    app::VersionData version_;
    LinkPacket command_{};
    LinkPacket reply_{};
    QString caption_;
    std::vector<SensorStatusRow> rows_;
    bool startEnabled_ = true;
    bool linkOpen_ = false;          // the run holds the link port
    bool completed_ = false;         // the last run ended with text 109
    bool portProblemShown_ = false;  // the engineer was told why the port cannot be used
};

}  // namespace zav::controls
