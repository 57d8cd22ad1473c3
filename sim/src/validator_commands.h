#pragma once
// What the simulated validator does with one VLP command: the reply data it
// answers with (generic code first). Runs on the serving thread.
#include <cstddef>
#include <cstdint>

#include "download_commands.h"
#include "identification_replies.h"
#include "initialisation.h"
#include "loader_session.h"
#include "simulator_control.h"
#include "zav/sim/profile.h"

namespace zav::sim {

class ValidatorCommands {
  public:
    ValidatorCommands(const Profile& profile, SimulatorControl& control, LoaderSession& loader,
                      const InitialisationOptions& initialisation);

    // The reply to the command's data bytes (count at least 1).
    Bytes execute(const std::uint8_t* data, std::size_t count);
    // After execute: whether a download header starts the RAM loader, and a
    // raw answer to send instead of a reply frame (DownloadCommands).
    bool take_loader_start() { return downloads_.take_loader_start(); }
    std::optional<Bytes> take_raw_reply() { return downloads_.take_raw_reply(); }

  private:
    Bytes expansion(const std::uint8_t* data, std::size_t count);
    Bytes poll();

    const Profile& profile_;
    SimulatorControl& control_;
    const LoaderSession& loader_;
    DownloadCommands downloads_;
    Initialisation initialisation_;
    bool reset_reported_ = false;  // the power-up event went out with a POLL
};

}  // namespace zav::sim
