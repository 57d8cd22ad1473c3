#include "link_host.h"

#include <algorithm>

namespace zav::sim::test {

LinkReply link_command(const std::vector<std::uint8_t>& data) {
    LinkPacket command{};
    command.length = static_cast<std::uint8_t>(data.size());
    std::copy(data.begin(), data.end(), command.data);
    LinkPacket result{};
    Command(&result, &command);
    LinkReply reply;
    reply.status = result.status;
    if (result.status == 1) reply.data.assign(result.data, result.data + result.length);
    return reply;
}

void set_retries(std::uint8_t seconds, std::uint8_t retries) {
    const std::uint8_t parameters[] = {seconds, retries};
    SetRetryParameters(parameters);
}

std::string field_text(const std::vector<std::uint8_t>& data, std::size_t first,
                       std::size_t count) {
    if (data.size() < first + count) return {};
    return std::string(data.begin() + first, data.begin() + first + count);
}

}  // namespace zav::sim::test
