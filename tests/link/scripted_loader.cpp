#include "scripted_loader.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "transaction.h"

namespace zav::link::test {

std::string hex(const Bytes& bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) {
        char two[4];
        std::snprintf(two, sizeof two, "%02x", b);
        if (!text.empty()) text += ' ';
        text += two;
    }
    return text;
}

Bytes ScriptedLoader::raw_stream() const {
    Bytes all;
    for (const Bytes& write : raw_writes) all.insert(all.end(), write.begin(), write.end());
    return all;
}

std::vector<std::string> ScriptedLoader::steps_with(const std::string& text) const {
    std::vector<std::string> found;
    for (const std::string& line : steps)
        if (line.find(text) != std::string::npos) found.push_back(line);
    return found;
}

std::vector<ScriptedLoader::Snapshot> ScriptedLoader::status_at_steps(
    const std::string& prefix) const {
    std::vector<Snapshot> found;
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (steps[i].rfind(prefix, 0) == 0) found.push_back(status_at[i]);
    return found;
}

void ScriptedLoader::step(std::string text) {
    steps.push_back(std::move(text));
    status_at.push_back({status_.download_data.load(), status_.ram_download_data.load(),
                         status_.total.load(), status_.current.load(), status_.stage.load()});
}

void ScriptedLoader::command(ByteSpan data, LinkPacket* result) {
    const Bytes sent(data.begin(), data.end());
    sent_commands.push_back(sent);
    // Long commands (headers, blocks) are logged by their size only.
    step(sent.size() > 8 ? "cmd " + std::to_string(sent.size()) + " bytes" : "cmd " + hex(sent));
    const Bytes reply = commands(sent);
    *result = LinkPacket{};
    if (reply.empty()) {
        result->status = kStatusNoReply;
        return;
    }
    result->status = is_generic_reply(reply[0]) ? kStatusGenericReply : reply[0];
    result->length = static_cast<std::uint8_t>(reply.size());
    std::copy(reply.begin(), reply.end(), result->data);
}

void ScriptedLoader::set_retry_parameters(std::uint8_t seconds, std::uint8_t count) {
    retry_seconds = seconds;
    retries = count;
    step("retry " + std::to_string(seconds) + " " + std::to_string(count));
}

bool ScriptedLoader::write_drained(ByteSpan bytes) {
    raw_writes.emplace_back(bytes.begin(), bytes.end());
    step("raw " + std::to_string(bytes.size()));
    return true;
}

void ScriptedLoader::set_verify_mode(bool on) {
    verify = on;
    step(on ? "verify on" : "verify off");
}

bool ScriptedLoader::wait_echo(std::uint8_t expected, std::int64_t limit_ms) {
    step("echo " + hex({expected}) + " " + std::to_string(limit_ms));
    const std::optional<std::uint8_t> echo = echoes(expected, echo_waits_++);
    return echo && *echo == expected;
}

bool ScriptedLoader::pause(std::int64_t ms) {
    step("pause " + std::to_string(ms));
    return true;
}

bool ScriptedLoader::set_baud(std::int32_t rate, bool fast) {
    current_baud = rate;
    step("baud " + std::to_string(rate) + (fast ? " fast" : ""));
    return true;
}

bool ScriptedLoader::open_port(int n) {
    step("open " + std::to_string(n));
    return reopen_succeeds;
}

void TransferRig::borrow(Bytes image_bytes) {
    bytes = std::move(image_bytes);
    image = download::ProgramImage::borrow(bytes.data());
}

download::TransferOutcome TransferRig::ram(Bytes image_bytes) {
    borrow(std::move(image_bytes));
    EXPECT_EQ(download::check_ram_image(image, &layout), 0);
    return layout.ram_only() ? download::run_ram_transfer(loader, status, image, layout)
                             : download::run_ram_then_main_transfer(loader, status, image, layout);
}

download::TransferOutcome TransferRig::reconnecting(Bytes image_bytes, int port) {
    borrow(std::move(image_bytes));
    EXPECT_EQ(download::check_program_image(image, true, &layout), 0);
    return download::run_reconnecting_transfer(loader, status, image, layout, port);
}

download::TransferOutcome TransferRig::old_format(Bytes image_bytes) {
    borrow(std::move(image_bytes));
    EXPECT_EQ(download::check_program_image(image, true, &layout), 0);
    return download::run_old_format_transfer(loader, status, image, layout);
}

}  // namespace zav::link::test
