#pragma once
// One VLP request through the caller's command and reply records.
#include <cstdint>
#include <initializer_list>

#include "ZavtekVLP.h"

namespace zav::app {

constexpr std::uint8_t kReplyOk = 0xF0;  // generic reply code of success
constexpr std::uint8_t kRequestSync = 0x11;
// Expansion requests: 0x30, selector 0x05, request code, optional parameter.
constexpr std::uint8_t kRequestExpansion = 0x30;
constexpr std::uint8_t kExpansionSelector = 0x05;

// Writes `request` as the command record's length and data (its address byte
// is left as the caller set it), clears the reply record, sends the command
// with Command and keeps the whole result in `reply`, so reply bytes beyond a
// short reply read as 0. Returns true when the reply's generic code is 0xF0;
// the link status is not looked at.
bool SendLinkRequest(LinkPacket& command, LinkPacket& reply,
                     std::initializer_list<std::uint8_t> request);

}  // namespace zav::app
