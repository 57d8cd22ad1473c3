#include "zav/app/link_request.h"

#include <algorithm>
#include <cstring>

#include "zav/app/link_api.h"

namespace zav::app {

bool SendLinkRequest(LinkPacket& command, LinkPacket& reply,
                     std::initializer_list<std::uint8_t> request) {
    const std::size_t length = std::min(request.size(), sizeof command.data);
    command.length = static_cast<std::uint8_t>(length);
    std::copy_n(request.begin(), length, command.data);
    std::memset(&reply, 0, sizeof reply);
    Link().Command(&reply, &command);
    return reply.data[0] == kReplyOk;
}

}  // namespace zav::app
