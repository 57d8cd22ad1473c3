#include "scripted_peer.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>

#include "zav/platform/clock.h"

namespace zav::serial::test {

std::vector<std::uint8_t> make_frame(std::uint8_t destination, std::uint8_t source,
                                     std::uint8_t header, const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> frame(data.size() + 5);
    frame[0] = destination;
    frame[1] = static_cast<std::uint8_t>(data.size());
    frame[2] = source;
    frame[3] = header;
    std::copy(data.begin(), data.end(), frame.begin() + 4);
    unsigned sum = 0;
    for (const auto b : frame) sum += b;
    frame.back() = static_cast<std::uint8_t>(-sum);
    return frame;
}

ScriptedPeer::ScriptedPeer(const TestPort& port, std::vector<PeerReply> script)
    : port_(port), script_(std::move(script)), thread_([this] { serve(); }) {}

ScriptedPeer::~ScriptedPeer() {
    stop_.wake();
    thread_.join();
}

std::vector<ReceivedFrame> ScriptedPeer::frames() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

void ScriptedPeer::serve() {
    std::vector<std::uint8_t> pending;
    for (;;) {
        pollfd fds[2] = {{port_.master(), POLLIN, 0}, {stop_.fd(), POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN)) return;
        std::uint8_t chunk[512];
        const ssize_t n = read(port_.master(), chunk, sizeof chunk);
        if (n <= 0) continue;
        pending.insert(pending.end(), chunk, chunk + n);
        while (pending.size() >= 2 && pending.size() >= pending[1] + 5u) {
            const std::vector<std::uint8_t> frame(pending.begin(),
                                                  pending.begin() + pending[1] + 5);
            pending.erase(pending.begin(), pending.begin() + pending[1] + 5);
            std::size_t index;
            {
                std::lock_guard lock(mutex_);
                index = frames_.size();
                frames_.push_back({frame, platform::monotonic_ms()});
            }
            answer(frame, script_[std::min(index, script_.size() - 1)]);
        }
    }
}

void ScriptedPeer::answer(const std::vector<std::uint8_t>& frame, PeerReply reply) const {
    if (reply == PeerReply::Silence) return;
    port_.send(frame);
    const std::uint8_t to = frame[2];
    const std::uint8_t from = frame[0];
    switch (reply) {
        case PeerReply::Ack:
            port_.send(make_frame(to, from, 0, {}));
            break;
        case PeerReply::Nak:
            port_.send(make_frame(to, from, 5, {}));
            break;
        case PeerReply::Busy:
            port_.send(make_frame(to, from, 6, {}));
            break;
        case PeerReply::Data:
            port_.send(make_frame(to, from, 0, kReplyData));
            break;
        case PeerReply::WrongChecksum: {
            auto bad = make_frame(to, from, 0, {});
            ++bad.back();
            port_.send(bad);
            break;
        }
        case PeerReply::Oversized:
            port_.send({to, 252, from, 0, 1, 2, 3, 4, 5, 6, 7, 8});
            break;
        case PeerReply::Silence:
        case PeerReply::EchoOnly:
            break;
    }
}

}  // namespace zav::serial::test
