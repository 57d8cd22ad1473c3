#pragma once
// A validator and its loader as a transfer sees them, without a line: it
// answers commands by a script, echoes what a working loader echoes, and
// records every step as a line of text ("cmd 0b 03", "raw 128",
// "echo 9a 10000", "baud 38400 fast", "pause 20", "close", "open 7"), so
// tests can check the order and the bytes of a whole transfer.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "download/download_status.h"
#include "download/program_image.h"
#include "download/transfer_link.h"
#include "download/transfers.h"

namespace zav::link::test {

using Bytes = std::vector<std::uint8_t>;

class ScriptedLoader final : public download::TransferLink {
  public:
    // Reply data for a command (generic code first); empty for silence.
    using CommandScript = std::function<Bytes(const Bytes& command)>;
    // The byte the loader echoes when `expected` is awaited after the n-th
    // echo wait (counting from 0); nullopt for silence.
    using EchoScript = std::function<std::optional<std::uint8_t>(std::uint8_t expected, int n)>;

    explicit ScriptedLoader(download::DownloadStatus& status) : status_(status) {}

    CommandScript commands = [](const Bytes&) { return Bytes{0xF0}; };
    EchoScript echoes = [](std::uint8_t expected, int) { return expected; };
    DriverKind kind = kDriverOther;
    bool reopen_succeeds = true;

    // The status as the transfer had set it when a step began.
    struct Snapshot {
        std::int32_t download_data, ram_download_data, total, current, stage;
    };

    std::vector<std::string> steps;   // every step, in order
    std::vector<Snapshot> status_at;  // one per step
    std::vector<Bytes> sent_commands;
    std::vector<Bytes> raw_writes;
    std::vector<std::string> messages;
    std::int32_t current_baud = 9600;
    int retry_seconds = 0, retries = 0;
    bool verify = false;

    // The raw bytes written, joined.
    Bytes raw_stream() const;
    // The steps that contain `text`, in order.
    std::vector<std::string> steps_with(const std::string& text) const;
    // The status at each step that starts with `prefix`.
    std::vector<Snapshot> status_at_steps(const std::string& prefix) const;

    void command(ByteSpan data, LinkPacket* result) override;
    void set_retry_parameters(std::uint8_t seconds, std::uint8_t count) override;
    void flip_sequence() override { step("flip"); }
    void clear_cancel() override { step("clear cancel"); }
    void reset_address_override() override { step("no override"); }
    bool write_drained(ByteSpan bytes) override;
    void set_verify_mode(bool on) override;
    void expect_echo() override {}
    bool wait_echo(std::uint8_t expected, std::int64_t limit_ms) override;
    bool pause(std::int64_t ms) override;
    std::int32_t baud() const override { return current_baud; }
    bool set_baud(std::int32_t rate, bool fast) override;
    bool open_port(int n) override;
    void close_port() override { step("close"); }
    DriverKind driver_kind(int) override { return kind; }
    void message(const char* text) override { messages.emplace_back(text); }

  private:
    void step(std::string text);

    download::DownloadStatus& status_;
    int echo_waits_ = 0;
};

// One transfer over a scripted loader: the image is checked as its start
// call would check it, then run.
struct TransferRig {
    download::DownloadStatus status;
    ScriptedLoader loader{status};
    Bytes bytes;
    download::ProgramImage image;
    download::ImageLayout layout;

    // DownloadRamFile's transfers.
    download::TransferOutcome ram(Bytes image_bytes);
    // DownloadFile's transfers (header block size counts).
    download::TransferOutcome reconnecting(Bytes image_bytes, int port);
    download::TransferOutcome old_format(Bytes image_bytes);

  private:
    void borrow(Bytes image_bytes);
};

// "0b 03": bytes as lower-case hex, blank-separated.
std::string hex(const Bytes& bytes);

}  // namespace zav::link::test
