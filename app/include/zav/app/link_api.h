#pragma once
// The link library calls the program uses, bound by name at first use.
#include <cstdint>

#include "ZavtekVLP.h"

namespace zav::app {

// Returned by the stand-ins when the library or a download call is missing.
constexpr std::int32_t kDownloadUnavailable = 0x1000FF;

struct LinkApi {
    std::int16_t (*OpenPort)(std::int16_t port);
    LinkPacket* (*Command)(LinkPacket* result, const LinkPacket* command);
    std::int16_t (*CloseComm)();
    std::int16_t (*SetRetryParameters)(const std::uint8_t* params);
    std::int32_t (*DownloadRamFile)(const char* fileName, std::int16_t port);
    std::int32_t (*GetRamDownloadData)();
};

// The bound calls. The first use loads libZavtekVLP.so from the program
// directory, binds each call by name and routes the library's own messages
// to the program's message interface. A missing library or call is reported
// once; its stand-in then fails: OpenPort 0, Command link status 2 (no
// reply), SetRetryParameters 0, the download calls kDownloadUnavailable.
// Called on the user-interface thread, each call is made on the binding's
// one link worker thread while the caller waits in a local event loop (so
// timers, repaints and clicks go on; a session must expect them); the
// library's messages of the call are shown on the caller's thread before
// the call returns. From any other thread the call is made directly.
const LinkApi& Link();

// The library's calls as bound, made on the calling thread: for tests that
// wrap them in replacements. The first use binds the library.
const LinkApi& LibraryLink();

// Replaces the bound calls (tests); nullptr returns to the library. The
// replacements run on the link worker like the library's own calls.
void OverrideLinkApi(const LinkApi* api);

}  // namespace zav::app
