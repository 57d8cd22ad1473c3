#include "zav/sim/simulator.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <thread>

#include "link_protocol_mode.h"
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

    const Options options;
    SimulatorControl control;
    platform::PseudoTerminal line;
    platform::Waker stop_waker;
    std::atomic<bool> stopping{false};
    std::thread server;

    // Owned by the serving thread while it runs.
    std::unique_ptr<DeviceMode> mode;
    std::unique_ptr<Transmitter> transmitter;
    std::int64_t received_at_us = 0;  // when the bytes being handled arrived
};

void Simulator::State::send(Transmission t) {
    const std::int64_t not_before = received_at_us + transmitter->wire_time_us(t.answered_bytes) +
                                    static_cast<std::int64_t>(t.delay_ms) * 1000;
    transmitter->queue(std::move(t.bytes), not_before);
}

// Blocks in poll() on the line and the stop waker; wakes otherwise only when
// a queued transmission falls due or the line has room for it again.
void Simulator::State::serve() {
    std::uint8_t buffer[512];
    while (!stopping.load(std::memory_order_acquire)) {
        if (!transmitter->send_due(now_us(), line)) return;
        const auto due = transmitter->next_due_us();
        const bool want_room = transmitter->waiting_for_room();
        const platform::Deadline deadline =
            (due && !want_room) ? deadline_at(*due) : platform::Deadline::never();
        platform::PseudoTerminal::Readiness ready;
        if (!line.wait(deadline, want_room, stop_waker, &ready) || ready.woken) return;
        if (!ready.input) continue;
        // One read per wake, so a host that never stops sending cannot keep
        // due replies from leaving.
        received_at_us = now_us();
        const long n = line.read_some(buffer, sizeof buffer);
        if (n < 0) return;
        mode->receive(buffer, static_cast<std::size_t>(n), *this);
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
    s.mode = std::make_unique<LinkProtocolMode>(*profile, s.control);
    s.transmitter = std::make_unique<Transmitter>(s.options.wire_baud);
    s.stopping.store(false, std::memory_order_release);
    s.stop_waker.clear();
    s.server = std::thread([&s] { s.serve(); });
    return true;
}

void Simulator::stop() {
    State& s = *state_;
    if (!s.server.joinable()) return;
    s.stopping.store(true, std::memory_order_release);
    s.stop_waker.wake();
    s.server.join();
    s.line.close();
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

std::vector<std::string> profile_names() {
    std::vector<std::string> names;
    for (const Profile* profile : all_profiles()) names.emplace_back(profile->name);
    return names;
}

}  // namespace zav::sim
