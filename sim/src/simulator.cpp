#include "zav/sim/simulator.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>

#include "cctalk_peer_mode.h"
#include "link_protocol_mode.h"
#include "loader_session.h"
#include "ram_loader_mode.h"
#include "ram_utility_mode.h"
#include "raw_channel_control.h"
#include "simulator_control.h"
#include "transmitter.h"
#include "zav/platform/clock.h"
#include "zav/platform/port_override.h"
#include "zav/platform/pseudo_terminal.h"
#include "zav/platform/serial_device.h"
#include "zav/sim/profile.h"

namespace zav::sim {
namespace {

std::int64_t now_us() {
    return platform::monotonic_ms() * 1000;
}

// Milliseconds from now until at_us, rounded up so a wait never ends early.
platform::Deadline deadline_at(std::int64_t at_us) {
    const std::int64_t left_us = at_us - now_us();
    return platform::Deadline::after_ms(left_us <= 0 ? 0 : (left_us + 999) / 1000);
}

}  // namespace

struct Simulator::State final : DeviceOutput {
    explicit State(Options o) : options(std::move(o)) {}

    void serve();
    void send(Transmission transmission) override;
    void switch_to(Program next) override;
    std::unique_ptr<DeviceMode> make_mode(Program which);
    void apply_switch();

    const Options options;
    SimulatorControl control;
    RawChannelControl raw_control;
    LoaderSession loader_session;  // what the firmware hands its RAM loader
    platform::PseudoTerminal line;
    // Ends the serving thread's wait: for stop(), and for requests of the
    // owner that the current mode takes up in its tick().
    platform::Waker waker;
    std::atomic<bool> stopping{false};
    std::atomic<Program> program{Program::LinkProtocol};
    std::thread server;

    // Owned by the serving thread while it runs.
    const Profile* profile = nullptr;
    std::unique_ptr<DeviceMode> mode;
    std::optional<Program> next_program;  // asked for by the mode
    std::unique_ptr<Transmitter> transmitter;
    std::int64_t received_at_us = 0;  // when the bytes being handled arrived
};

void Simulator::State::send(Transmission t) {
    const std::int64_t not_before = received_at_us + transmitter->wire_time_us(t.answered_bytes) +
                                    static_cast<std::int64_t>(t.delay_ms) * 1000;
    transmitter->queue(std::move(t.bytes), not_before);
}

void Simulator::State::switch_to(Program next) {
    next_program = next;
}

std::unique_ptr<DeviceMode> Simulator::State::make_mode(Program which) {
    switch (which) {
        case Program::LinkProtocol:
            return std::make_unique<LinkProtocolMode>(*profile, control, loader_session,
                                                      options.initialisation);
        case Program::RamUtility:
            return std::make_unique<RamUtilityMode>(*profile, raw_control, options);
        case Program::RamLoader:
            return std::make_unique<RamLoaderMode>(*profile, control, loader_session,
                                                   options.wire_baud);
        case Program::CcTalkPeer:
            return std::make_unique<CcTalkPeerMode>(*profile, control);
    }
    return nullptr;
}

void Simulator::State::apply_switch() {
    if (!next_program) return;
    mode = make_mode(*next_program);
    program.store(*next_program, std::memory_order_release);
    next_program.reset();
}

// Blocks in poll() on the line and the waker; wakes otherwise only when a
// queued transmission or the mode's timed work falls due, or the line has
// room for due bytes again.
void Simulator::State::serve() {
    std::uint8_t buffer[512];
    while (!stopping.load(std::memory_order_acquire)) {
        received_at_us = now_us();
        mode->tick(received_at_us, *this);
        apply_switch();
        if (!transmitter->send_due(now_us(), line)) return;
        const bool want_room = transmitter->waiting_for_room();
        auto due = want_room ? std::nullopt : transmitter->next_due_us();
        const auto tick_due = mode->next_tick_us();
        if (tick_due && (!due || *tick_due < *due)) due = tick_due;
        const platform::Deadline deadline = due ? deadline_at(*due) : platform::Deadline::never();
        platform::PseudoTerminal::Readiness ready;
        if (!line.wait(deadline, want_room, waker, &ready)) return;
        if (ready.woken) waker.clear();
        if (!ready.input) continue;
        // One read per wake, so a host that never stops sending cannot keep
        // due replies from leaving.
        received_at_us = now_us();
        const long n = line.read_some(buffer, sizeof buffer);
        if (n < 0) return;
        mode->receive(buffer, static_cast<std::size_t>(n), *this);
        apply_switch();
    }
}

Simulator::Simulator(Options options) : state_(std::make_unique<State>(std::move(options))) {}

Simulator::~Simulator() {
    stop();
}

bool Simulator::start(std::string* error) {
    State& s = *state_;
    const auto fail = [error](std::string why) {
        if (error) *error = std::move(why);
        return false;
    };
    if (s.server.joinable()) return fail("the simulator is already running");
    const Profile* profile = find_profile(s.options.model);
    if (!profile) return fail("unknown model '" + s.options.model + "'");
    if (!s.line.open())
        return fail(std::string("cannot create a pseudo-terminal: ") + std::strerror(errno));
    s.profile = profile;
    s.mode = s.make_mode(s.options.program);
    s.program.store(s.options.program, std::memory_order_release);
    s.next_program.reset();
    s.transmitter = std::make_unique<Transmitter>(s.options.wire_baud);
    s.stopping.store(false, std::memory_order_release);
    s.waker.clear();
    s.server = std::thread([&s] { s.serve(); });
    return true;
}

void Simulator::stop() {
    State& s = *state_;
    if (!s.server.joinable()) return;
    s.stopping.store(true, std::memory_order_release);
    s.waker.wake();
    s.server.join();
    s.line.close();
}

Program Simulator::running_program() const {
    return state_->program.load(std::memory_order_acquire);
}

const std::string& Simulator::slave_path() const {
    return state_->line.slave_path();
}

void Simulator::export_port(int n) const {
    platform::set_port_override(n, slave_path());
}

void Simulator::set_fault(CommandKey key, Fault fault) {
    state_->control.set_fault(key, std::move(fault));
}

void Simulator::set_random_faults(int percent, std::uint32_t seed) {
    state_->control.set_random_faults(percent, seed);
    state_->raw_control.set_random_losses(percent, seed + 1);
}

void Simulator::clear_faults() {
    state_->control.clear_faults();
}

std::size_t Simulator::frames_received(CommandKey key) const {
    return state_->control.frames_received(key);
}

std::vector<std::uint8_t> Simulator::last_command() const {
    return state_->control.last_command();
}

std::vector<std::uint8_t> Simulator::last_frame() const {
    return state_->control.last_frame();
}

void Simulator::queue_poll_events(const std::vector<std::uint8_t>& events) {
    state_->control.queue_poll_events(events);
}

bool Simulator::add_raw_fault(const RawFault& fault) {
    return state_->raw_control.add_fault(fault);
}

void Simulator::clear_raw_faults() {
    state_->raw_control.clear_faults();
}

void Simulator::insert_green_paper() {
    state_->raw_control.insert_green_paper();
    state_->waker.wake();
}

std::size_t Simulator::raw_commands_received(std::uint8_t command) const {
    return state_->raw_control.commands_received(command);
}

std::size_t Simulator::gain_packets_accepted() const {
    return state_->raw_control.gain_packets(true);
}

std::size_t Simulator::gain_packets_refused() const {
    return state_->raw_control.gain_packets(false);
}

std::vector<std::uint8_t> Simulator::last_gain_packet() const {
    return state_->raw_control.last_gain_packet();
}

std::size_t Simulator::result_packets_sent() const {
    return state_->raw_control.result_packets_sent();
}

}  // namespace zav::sim
