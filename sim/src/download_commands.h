#pragma once
// The download and memory services of the validator's firmware: the
// program command, the header that starts the RAM loader, the old format's
// blocks with their speed, memory and flash-type queries, the end of
// download (which installs the image's version), RESET, and the bulk memory
// read, answered with raw bytes.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "identification_replies.h"
#include "loader_session.h"
#include "zav/sim/profile.h"

namespace zav::sim {

class DownloadCommands {
  public:
    DownloadCommands(const Profile& profile, LoaderSession& session)
        : profile_(profile), session_(session) {}

    // The reply to a download command; nullopt for any other command.
    std::optional<Bytes> execute(const std::uint8_t* data, std::size_t count);
    // True once after a header that starts the RAM loader was taken. The
    // firmware starts the loader only if it accepted the header.
    bool take_loader_start();
    // The raw answer to a bulk read, once, instead of a reply frame.
    std::optional<Bytes> take_raw_reply();

  private:
    std::optional<Bytes> expansion(const std::uint8_t* data, std::size_t count);
    Bytes block(const std::uint8_t* data);
    void bulk_read(const std::uint8_t* data, std::size_t count);
    std::string firmware() const;
    void install_old_format_version();

    const Profile& profile_;
    LoaderSession& session_;
    // The old format's blocks taken since the program command, and the
    // version digits its image carries (all three seen: installable).
    std::uint32_t blocks_taken_ = 0;
    std::string image_version_ = "???";
    int version_digits_seen_ = 0;
    bool programming_ = false;  // after the program command, until the end
    bool fast_line_ = false;    // after the speed command, until RESET
    bool loader_start_ = false;
    std::optional<Bytes> raw_reply_;
};

}  // namespace zav::sim
