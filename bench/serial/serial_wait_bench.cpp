// What the serial library's blocking waits cost: processor time of a read
// that waits out its whole 10-second limit (target: under 50 ms), and the
// time from a byte's arrival to the read's return, against a bare poll() on
// a pseudo-terminal as the floor.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <string>

#include "zav_serial.h"

namespace {

constexpr int kCom = 120;

// A raw pseudo-terminal; with a COM number, the library finds its slave as
// that port.
class BenchPty {
  public:
    explicit BenchPty(int com_number = 0) : com_number_(com_number) {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        grantpt(master_);
        unlockpt(master_);
        slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios raw{};
        tcgetattr(slave_, &raw);
        cfmakeraw(&raw);
        tcsetattr(slave_, TCSANOW, &raw);
        if (com_number_ > 0) setenv(env_name().c_str(), ptsname(master_), 1);
    }
    ~BenchPty() {
        if (com_number_ > 0) unsetenv(env_name().c_str());
        close(slave_);
        close(master_);
    }
    bool send(const std::uint8_t* bytes, std::size_t count) const {
        return write(master_, bytes, count) == static_cast<ssize_t>(count);
    }
    int slave() const { return slave_; }

  private:
    std::string env_name() const { return "ZAV_COM" + std::to_string(com_number_); }
    int com_number_;
    int master_;
    int slave_;
};

void ReadWaitsOutTenSeconds(benchmark::State& state) {
    BenchPty pty(kCom);
    if (OpenPortAdvanced(kCom, 38400, 3, 3) != ZAV_SERIAL_OK) state.SkipWithError("open failed");
    const std::uint8_t three[] = {1, 2, 3};
    for (auto _ : state) {
        pty.send(three, sizeof three);
        std::uint8_t in[4];
        const int32_t wanted = 4;
        if (read_serial_data(in, &wanted) != ZAV_SERIAL_TIMEOUT)
            state.SkipWithError("read did not time out");
    }
    ClosePort();
}
BENCHMARK(ReadWaitsOutTenSeconds)->Iterations(1)->Unit(benchmark::kMillisecond);

void ByteArrivalToLibraryRead(benchmark::State& state) {
    BenchPty pty(kCom);
    if (OpenPortAdvanced(kCom, 38400, 3, 3) != ZAV_SERIAL_OK) state.SkipWithError("open failed");
    const std::uint8_t byte = 0x80;
    for (auto _ : state) {
        pty.send(&byte, 1);
        std::uint8_t in;
        const int32_t wanted = 1;
        if (read_serial_data(&in, &wanted) != ZAV_SERIAL_OK) state.SkipWithError("read failed");
    }
    ClosePort();
}
BENCHMARK(ByteArrivalToLibraryRead)->Unit(benchmark::kMicrosecond);

// The floor: the same trip with a bare poll() and read() on the slave.
void ByteArrivalToBarePollRead(benchmark::State& state) {
    BenchPty pty;
    const std::uint8_t byte = 0x80;
    for (auto _ : state) {
        pty.send(&byte, 1);
        pollfd p{pty.slave(), POLLIN, 0};
        std::uint8_t in;
        if (poll(&p, 1, 1000) != 1 || read(pty.slave(), &in, 1) != 1)
            state.SkipWithError("read failed");
    }
}
BENCHMARK(ByteArrivalToBarePollRead)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
