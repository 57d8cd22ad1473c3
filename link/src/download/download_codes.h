#pragma once
// Result codes and status stages of the program download, as the start
// calls return them and the status calls report them.
#include <cstdint>

namespace zav::link::download {

// Start results; anything below kDone is the number of blocks to expect.
constexpr std::int32_t kOpenFileError = 0x100001;
constexpr std::int32_t kReadFileError = 0x100002;
constexpr std::int32_t kNotZavImage = 0x100003;
constexpr std::int32_t kPortOpenFail = 0x100004;
constexpr std::int32_t kSyncFail = 0x100005;
constexpr std::int32_t kProtectedImage = 0x100006;

// Worker results; values below kDone are progress counts.
constexpr std::int32_t kDone = 0x100000;
constexpr std::int32_t kTransferFail = 0x100010;
constexpr std::int32_t kProgramCommandFail = 0x100011;
constexpr std::int32_t kHeaderFail = 0x100012;
constexpr std::int32_t kEndCommandFail = 0x100013;
constexpr std::int32_t kResetFail = 0x100014;
constexpr std::int32_t kNotAllowed = 0x100015;
constexpr std::int32_t kSpeedCheckFail = 0x100016;

// Stages of the reconnecting transfer in the status record.
constexpr std::int32_t kStageIdle = 0x100000;
constexpr std::int32_t kStageRamLoader = 0x100001;
constexpr std::int32_t kStageStarted = 0x100002;
constexpr std::int32_t kStageReconnecting = 0x100003;
constexpr std::int32_t kStageHeader = 0x100004;
constexpr std::int32_t kStageMainCode = 0x100005;
constexpr std::int32_t kStageReadingFile = 0x100006;

// The reply code that accepts a command, and the one that refuses a header
// or block with its own result.
constexpr std::uint8_t kReplyOk = 0xF0;
constexpr std::uint8_t kReplyRefused = 0xF9;

}  // namespace zav::link::download
