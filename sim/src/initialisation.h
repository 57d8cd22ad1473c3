#pragma once
// The validator's initialisation and calibration on the link: its
// capability byte, the initialise and data-collect requests, the status of
// each sensor as it moves through the stages, and the end event for POLL.
// Runs on the serving thread.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "identification_replies.h"
#include "zav/sim/initialisation.h"
#include "zav/sim/profile.h"

namespace zav::sim {

// Expansion request codes of the initialisation.
constexpr std::uint8_t kInitialise = 0x0F;
constexpr std::uint8_t kDataCollect = 0x64;
constexpr std::uint8_t kGetCapability = 0x74;
constexpr std::uint8_t kGetCalibrationStatus = 0x76;
// POLL event: the initialisation has ended.
constexpr std::uint8_t kEventInitialisationDone = 0xD0;

class Initialisation {
  public:
    Initialisation(const Profile& profile, const InitialisationOptions& options);

    // The reply to an expansion request of the initialisation (parameters
    // after the request code in `params`); nullopt for any other request.
    // The initialise request (re)starts the run.
    std::optional<Bytes> answer(std::uint8_t request, const std::uint8_t* params,
                                std::size_t count);

    // True once per run: at the first call after every sensor has ended.
    bool take_end_event();

  private:
    Bytes status_reply(std::int64_t now_ms) const;
    std::uint8_t status_code(std::size_t sensor, std::int64_t elapsed_ms) const;
    bool finished(std::int64_t now_ms) const;
    int step_ms() const;
    std::int64_t start_offset_ms(std::size_t sensor) const;

    const Profile& profile_;
    const InitialisationOptions options_;
    std::optional<std::int64_t> started_ms_;  // since the initialise request
    bool end_reported_ = false;
};

}  // namespace zav::sim
