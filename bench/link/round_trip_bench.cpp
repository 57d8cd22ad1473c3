// Round trip of the link library against the simulator over a pty, beside
// the floor of a bare write/poll/read round trip of the same bytes with an
// echoing peer thread; and the CPU time of a Command that waits out 6 s on
// a silent line.
//   link_round_trip_bench [transactions]   (default 2000)
// On a shared machine the figures depend on where the scheduler puts the
// threads (a Command crosses three threads, the floor two); pinning the run
// to a quiet core (taskset -c N) gives comparable numbers.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>
#include <utility>
#include <vector>

#include "ZavtekVLP.h"
#include "zav/platform/pseudo_terminal.h"
#include "zav/platform/serial_device.h"
#include "zav/sim/simulator.h"

namespace {

using Clock = std::chrono::steady_clock;
using zav::platform::Deadline;

constexpr int kSimPort = 110;
constexpr std::uint8_t kSyncFrame[] = {0x7F, 0x80, 0x01, 0x11, 0x65, 0x82};

struct Figures {
    double median_us = 0;
    double p99_us = 0;
    double cpu_us = 0;  // process CPU time per round trip, every thread counted
};

// Process CPU time in microseconds (all threads).
double cpu_now_us() {
    return 1e6 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Samples of one kind of round trip: latencies and the CPU time they took.
struct Samples {
    std::vector<double> us;
    double cpu_us = 0;

    Figures figures() {
        std::sort(us.begin(), us.end());
        const std::size_t n = us.size();
        return {us[n / 2], us[std::min(n - 1, n * 99 / 100)], cpu_us / static_cast<double>(n)};
    }
};

template <typename RoundTrip>
void run_block(int count, RoundTrip& round_trip, Samples* samples) {
    const double cpu_start = cpu_now_us();
    for (int i = 0; i < count; ++i) {
        const auto start = Clock::now();
        if (!round_trip()) {
            std::fprintf(stderr, "round trip failed\n");
            std::exit(1);
        }
        samples->us.push_back(
            std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    samples->cpu_us += cpu_now_us() - cpu_start;
}

// Runs the two kinds in alternating blocks, so both see the same load on a
// shared machine.
template <typename A, typename B>
std::pair<Figures, Figures> measure_alternating(int count, A a, B b) {
    constexpr int kBlock = 50;
    Samples warm_a, warm_b, sa, sb;
    run_block(kBlock, a, &warm_a);
    run_block(kBlock, b, &warm_b);
    for (int done = 0; done < count; done += kBlock) {
        const int n = std::min(kBlock, count - done);
        run_block(n, a, &sa);
        run_block(n, b, &sb);
    }
    return {sa.figures(), sb.figures()};
}

// The floor: the host writes the SYNC frame, a peer thread echoes the same
// six bytes, the host waits in poll() and reads them.
class EchoFloor {
  public:
    EchoFloor() {
        if (!pty_.open() || !host_.open(pty_.slave_path()) ||
            !host_.apply({9600, 8, zav::platform::Parity::None, 2})) {
            std::fprintf(stderr, "cannot set up the floor's pty\n");
            std::exit(1);
        }
        echo_ = std::thread([this] { echo(); });
    }
    ~EchoFloor() {
        running_ = false;
        stop_.wake();
        echo_.join();
    }

    bool round_trip() {
        if (host_.write_all(kSyncFrame, sizeof kSyncFrame, Deadline::after_ms(1000)) !=
            sizeof kSyncFrame)
            return false;
        std::uint8_t reply[sizeof kSyncFrame];
        std::size_t got = 0;
        const auto deadline = Deadline::after_ms(1000);
        while (got < sizeof reply) {
            if (host_.wait_input(deadline) != zav::platform::WaitResult::Ready) return false;
            const long n = host_.read_some(reply + got, sizeof reply - got);
            if (n < 0) return false;
            got += static_cast<std::size_t>(n);
        }
        return true;
    }

  private:
    void echo() {
        std::uint8_t buffer[64];
        while (running_) {
            zav::platform::PseudoTerminal::Readiness ready;
            if (!pty_.wait(Deadline::never(), false, stop_, &ready) || ready.woken) continue;
            const long n = pty_.read_some(buffer, sizeof buffer);
            for (long done = 0; n > 0 && done < n;) {
                const long w = pty_.write_some(buffer + done, n - done);
                if (w < 0) break;
                done += w;
            }
        }
    }

    zav::platform::PseudoTerminal pty_;
    zav::platform::SerialDevice host_;
    zav::platform::Waker stop_;
    std::atomic<bool> running_{true};
    std::thread echo_;
};

bool sync_command() {
    LinkPacket command{}, result{};
    command.length = 1;
    command.data[0] = 0x11;
    Command(&result, &command);
    return result.status == 1 && result.data[0] == 0xF0;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;

    zav::sim::Simulator sim(zav::sim::Options{"TM6", 0});
    std::string error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        return 1;
    }
    sim.export_port(kSimPort);
    if (OpenPort(kSimPort) != 1) return 1;

    EchoFloor echo_floor;
    const auto [floor, link] = measure_alternating(
        count, [&] { return echo_floor.round_trip(); }, sync_command);
    std::printf("link round trip: %d SYNC transactions over a pty (simulator TM6)\n", count);
    std::printf(
        "  floor (write/poll/read, echo thread): median %7.1f us  p99 %7.1f us  "
        "cpu %6.1f us\n",
        floor.median_us, floor.p99_us, floor.cpu_us);
    std::printf(
        "  Command (library + simulator):        median %7.1f us  p99 %7.1f us  "
        "cpu %6.1f us\n",
        link.median_us, link.p99_us, link.cpu_us);
    const double ratio = link.median_us / floor.median_us;
    std::printf("  median ratio Command / floor: %.2f (target at most 1.5)\n", ratio);

    // A silent validator: T = 1 s, N = 5 makes Command wait about 6 s.
    zav::sim::Fault silence;
    silence.kind = zav::sim::Fault::Kind::NoReply;
    sim.set_fault(0x11, silence);
    const std::uint8_t defaults[] = {1, 5};
    SetRetryParameters(defaults);
    const double cpu_start = cpu_now_us();
    const auto start = Clock::now();
    const bool answered = sync_command();
    const double waited_ms =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double cpu_ms = (cpu_now_us() - cpu_start) / 1000;
    std::printf("  silent line: Command waited %.0f ms (%s), CPU %.2f ms (target under 50 ms)\n",
                waited_ms, answered ? "answered?" : "no reply", cpu_ms);
    CloseComm();
    return ratio <= 1.5 && cpu_ms < 50 && !answered ? 0 : 2;
}
