#pragma once
// Every test starts and ends with the library's process-wide state at rest:
// no port open, no retries, no flood gap.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "zav_serial.h"

namespace zav::serial::test {

class SerialLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override { reset_library(); }
    void TearDown() override { reset_library(); }

    static void reset_library() {
        for (int n = 0; n < 256; ++n) {
            SetActivePort(n);
            ClosePort();
        }
        SetCCTRetry(0, 0);
        SetCCTFloodProtect(0);
    }

    static int16_t send(const std::vector<std::uint8_t>& bytes) {
        return send_serial_data(bytes.data(), static_cast<int32_t>(bytes.size()));
    }

    static int32_t queue_length() {
        int32_t error = -1;
        return get_length_of_queue(&error);
    }
};

}  // namespace zav::serial::test
