#pragma once
// A simulated validator on COM<n> with the link library's port open on it,
// for tests of the library against validator behaviour.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "ZavtekVLP.h"
#include "zav/sim/simulator.h"

namespace zav::link::test {

struct Reply {
    std::uint16_t status;
    std::vector<std::uint8_t> data;  // length bytes
    std::int64_t ms;                 // how long Command took
};

// Sends one command record (address 0) through Command.
inline Reply command(std::vector<std::uint8_t> data) {
    LinkPacket c{}, r{};
    c.length = static_cast<std::uint8_t>(data.size());
    std::copy(data.begin(), data.end(), c.data);
    const auto start = std::chrono::steady_clock::now();
    Command(&r, &c);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    return {r.status, std::vector<std::uint8_t>(r.data, r.data + r.length), ms};
}

inline void set_retries(std::uint8_t seconds, std::uint8_t retries) {
    const std::uint8_t params[] = {seconds, retries};
    SetRetryParameters(params);
}

inline zav::sim::Fault fault(zav::sim::Fault::Kind kind, int times = -1) {
    zav::sim::Fault f;
    f.kind = kind;
    f.times = times;
    return f;
}

class SimSession : public ::testing::Test {
  protected:
    static constexpr int kPort = 107;
    static void SetUpTestSuite() {
        sim = new zav::sim::Simulator(zav::sim::Options{"TM6", 0});
        std::string error;
        ASSERT_TRUE(sim->start(&error)) << error;
        sim->export_port(kPort);
        ASSERT_EQ(OpenPort(kPort), 1);
    }
    static void TearDownTestSuite() {
        CloseComm();
        delete sim;
        sim = nullptr;
    }
    void SetUp() override {
        sim->clear_faults();
        set_retries(1, 1);
        ASSERT_EQ(command({0x11}).status, 1);  // a known sequence bit
    }
    static zav::sim::Simulator* sim;
};

inline zav::sim::Simulator* SimSession::sim = nullptr;

}  // namespace zav::link::test
