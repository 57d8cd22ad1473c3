#pragma once
// The download and memory services of the validator's firmware: the
// program command, the header that starts the RAM loader, the old format's
// blocks with their speed, memory and flash-type queries, the end of
// download, RESET, and the bulk memory read, answered with raw bytes.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "identification_replies.h"
#include "loader_session.h"

namespace zav::sim {

class DownloadCommands {
  public:
    explicit DownloadCommands(LoaderSession& session) : session_(session) {}

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

    LoaderSession& session_;
    bool programming_ = false;  // after the program command, until the end
    bool fast_line_ = false;    // after the speed command, until RESET
    bool loader_start_ = false;
    std::optional<Bytes> raw_reply_;
};

}  // namespace zav::sim
