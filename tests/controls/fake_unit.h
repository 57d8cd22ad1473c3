#pragma once
// A validator behind stand-ins for the link and serial libraries, for the
// sessions' tests: it answers the identification and initialisation requests
// from a small description, runs a scripted RAM utility download, and plays
// the RAM utility on the raw channel with answers that may come late. Every
// call is recorded. One unit per test program (the stand-ins are plain
// functions); Install() makes it the program's libraries, with a program
// directory holding a RAM-utility file of every model.
#include <QString>
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "ZavtekVLP.h"

namespace zav::controls::test {

using Bytes = std::vector<std::uint8_t>;

struct FakeSensor {
    std::string name;
    char type = '_';
};

struct FakeUnit {
    // Identification.
    std::string unitType = "TM6";
    std::string firmware = "TM0006 V0100 TM6";  // 16 characters
    std::vector<FakeSensor> sensors;
    bool linkOpens = true;
    // Why the port cannot be opened, as the system would say it; empty: it
    // can be.
    QString portProblem;
    // Successive replies that replace the built ones, by request; the last
    // one repeats, an empty one is no reply. Built: the calibration status
    // says "complete" for every sensor, POLL carries the end event 0xD0.
    std::map<Bytes, std::deque<Bytes>> replies;

    // Download: the start result, then the poll reports completion (or
    // `downloadEnd`) this long after the start; never when negative.
    std::int32_t downloadStart = 5;
    std::int32_t downloadEnd = ZAV_DOWNLOAD_DONE;
    std::chrono::milliseconds downloadTakes{0};

    // Raw channel.
    std::int16_t channelOpenStatus = 0;
    struct Answer {
        Bytes bytes;
        std::chrono::milliseconds after{0};
    };
    // The RAM utility's answer to a one-byte command; the gain block (a
    // longer write) is answered as the command 0x7F.
    std::map<std::uint8_t, Answer> answers;

    // What happened, in order: "OpenPort", "Command <hex bytes>",
    // "CloseComm", "SetRetryParameters 1 1", "DownloadRamFile <file name>",
    // "OpenPortAdvanced", "send <hex bytes>", "ClosePort".
    std::vector<std::string> calls;
    // Raw bytes written while the channel was open.
    Bytes delivered;
    std::deque<std::uint8_t> incoming;
    bool channelOpen = false;
};

// The unit the stand-ins serve; reset it in each test's SetUp.
extern FakeUnit unit;

// Answers 0x86 and the gain block with 0x80, as a RAM utility does.
void AnswerEntryAndGains();

// Makes the stand-ins the program's link and serial libraries; Uninstall()
// returns to the real ones.
void Install();
void Uninstall();

// Bytes the RAM utility sends unasked.
void Send(const Bytes& bytes);

// The recorded calls that start with `prefix`.
std::vector<std::string> CallsStartingWith(const std::string& prefix);
// Hex text of bytes as the records write them: "30 05 74".
std::string Hex(const Bytes& bytes);

}  // namespace zav::controls::test
