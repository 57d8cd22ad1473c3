// The command transaction over an in-memory transport: frames on the wire,
// sequence bit, statuses, retries counted with a zero time-out, cancel and
// the address override.
#include "transaction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

using namespace zav::link;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A validator at the other end of an in-memory line: every frame written is
// recorded, and the script's answer is fed back through the receiver at
// once, byte by byte, as the reader thread would.
class MemoryLine : public LinkTransport {
  public:
    using Script = std::function<Bytes(const Bytes& frame)>;

    MemoryLine(ByteSink& receiver) : receiver_(receiver) {}
    bool is_open() const override { return open; }
    bool write_frame(ByteSpan wire, ByteSpan) override {
        writes.emplace_back(wire.begin(), wire.end());
        const Bytes answer = script ? script(writes.back()) : Bytes{};
        for (auto b : answer) receiver_.on_byte(b);
        return true;
    }

    bool open = true;
    Script script;
    std::vector<Bytes> writes;

  private:
    ByteSink& receiver_;
};

using zav::vlp::wire_frame;

// Replies with `data` under the command's sequence bit.
MemoryLine::Script reply(Bytes data) {
    return [data](const Bytes& wire) { return wire_frame(wire[1] & 0x80, data); };
}

struct TransactionTest : ::testing::Test {
    ProtocolState protocol;
    ReplySlot replies;
    PacketLog log;
    ReplyReceiver receiver{protocol, replies, log};
    MemoryLine line{receiver};
    Transaction transaction{protocol, replies, line, log};
    LinkPacket result{};

    void SetUp() override { line.script = reply({0xF0}); }
    void send(const Bytes& data, Transaction::Cancel cancel = Transaction::Cancel::ClearAfterSend,
              std::uint8_t address = 0) {
        transaction.run(address, ByteSpan(data), cancel, &result);
    }
    void use_zero_timeout(std::uint8_t retries) {
        protocol.timeout_seconds = 0;
        protocol.retries = retries;
    }
};

}  // namespace

TEST_F(TransactionTest, SyncFrameAndSequenceBit) {
    send({0x11});
    ASSERT_EQ(line.writes.size(), 1u);
    EXPECT_EQ(line.writes[0], (Bytes{0x7F, 0x80, 0x01, 0x11, 0x65, 0x82}));
    EXPECT_EQ(result.status, kStatusGenericReply);
    // The reply carried bit 1, so the next command goes out with bit 7 clear.
    send({0x0C});
    EXPECT_EQ(line.writes[1][1], 0x00);
    send({0x0C});
    EXPECT_EQ(line.writes[2][1], 0x80);
}

TEST_F(TransactionTest, StatusesByReplyCode) {
    line.script = reply({0xF0, 0x12, 0x34});
    send({0x11});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.length, 3);
    EXPECT_EQ(Bytes(result.data, result.data + 3), (Bytes{0xF0, 0x12, 0x34}));

    line.script = reply({0xF2});
    send({0x11});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.data[0], 0xF2);

    // 0xF1 is not a generic code: the status is the code itself, and the
    // record's length and data are not filled (they keep what was there).
    line.script = reply({0xF1, 0x55, 0x66});
    result.length = 7;
    std::fill(std::begin(result.data), std::end(result.data), std::uint8_t{0xA5});
    send({0x11});
    EXPECT_EQ(result.status, 0xF1);
    EXPECT_EQ(result.length, 7);
    EXPECT_EQ(Bytes(result.data, result.data + 3), (Bytes{0xA5, 0xA5, 0xA5}));
}

TEST_F(TransactionTest, NoPortAndBadLengthsSendNothing) {
    line.script = reply({0xF0});
    send({0x11});
    ASSERT_EQ(result.data[0], 0xF0);
    line.open = false;
    send({0x11});
    EXPECT_EQ(result.status, kStatusNoPort);
    // A reused record must not keep the earlier success code.
    EXPECT_EQ(result.data[0], 0);
    line.open = true;
    send({});
    EXPECT_EQ(result.status, kStatusNoReply);
    send(Bytes(251, 0x01));
    EXPECT_EQ(result.status, kStatusNoReply);
    EXPECT_EQ(line.writes.size(), 1u);
    send(Bytes(250, 0x01));
    EXPECT_EQ(result.status, kStatusGenericReply);
}

TEST_F(TransactionTest, SilenceSendsTheFrameRetriesPlusTwoTimes) {
    line.script = nullptr;
    use_zero_timeout(5);
    send({0x11});
    EXPECT_EQ(result.status, kStatusNoReply);
    ASSERT_EQ(line.writes.size(), 7u);
    for (const auto& w : line.writes) EXPECT_EQ(w, line.writes[0]);

    line.writes.clear();
    use_zero_timeout(0);
    send({0x11});
    EXPECT_EQ(result.status, kStatusNoReply);
    EXPECT_EQ(line.writes.size(), 1u);
}

TEST_F(TransactionTest, FailedTransactionKeepsTheSequenceBit) {
    send({0x11});  // bit now 0x00 for the next command
    line.script = nullptr;
    use_zero_timeout(0);
    send({0x0C});
    EXPECT_EQ(line.writes.back()[1], 0x00);
    line.script = reply({0xF0});
    send({0x0C});
    EXPECT_EQ(line.writes.back()[1], 0x00);
}

TEST_F(TransactionTest, RepliesWithTheWrongSequenceBitAreIgnored) {
    // Answers with the opposite bit first (a repeat of an older reply), then
    // with the right one on the resend.
    int calls = 0;
    line.script = [&](const Bytes& wire) {
        return wire_frame((wire[1] & 0x80) ^ (calls++ == 0 ? 0x80 : 0x00), {0xF0});
    };
    use_zero_timeout(1);
    send({0x11});
    EXPECT_EQ(result.status, kStatusGenericReply);
    EXPECT_EQ(line.writes.size(), 2u);
}

TEST_F(TransactionTest, CorruptOrJunkPrefixedReplies) {
    line.script = [](const Bytes& wire) {
        Bytes r = wire_frame(wire[1] & 0x80, {0xF0});
        r.back() ^= 0xFF;
        return r;
    };
    use_zero_timeout(0);
    send({0x11});
    EXPECT_EQ(result.status, kStatusNoReply);

    line.script = [](const Bytes& wire) {
        Bytes r = {0x00, 0x7F, 0x7F, 0x55, 0xAA};
        const Bytes good = wire_frame(wire[1] & 0x80, {0xF3, 0x7F});
        r.insert(r.end(), good.begin(), good.end());
        return r;
    };
    send({0x11});
    EXPECT_EQ(result.status, kStatusGenericReply);
    EXPECT_EQ(result.length, 2);
    EXPECT_EQ(result.data[1], 0x7F);
}

TEST_F(TransactionTest, CancelEndsAtTheFirstTimeOutWithoutAResend) {
    line.script = nullptr;
    use_zero_timeout(5);
    protocol.cancel_requested = true;
    send({0x11}, Transaction::Cancel::Keep);
    EXPECT_EQ(result.status, kStatusNoReply);
    EXPECT_EQ(line.writes.size(), 1u);

    // Command clears an earlier cancel right after sending.
    line.writes.clear();
    send({0x11}, Transaction::Cancel::ClearAfterSend);
    EXPECT_EQ(line.writes.size(), 7u);
    EXPECT_FALSE(protocol.cancel_requested);
}

TEST_F(TransactionTest, AddressOverrideAndLastFrameSent) {
    protocol.address_override = 5;
    send({0x0C}, Transaction::Cancel::ClearAfterSend, 0);
    EXPECT_EQ(line.writes.back()[1] & 0x7F, 5);
    protocol.address_override = -1;
    send({0x0C}, Transaction::Cancel::ClearAfterSend, 3);
    EXPECT_EQ(line.writes.back()[1] & 0x7F, 3);

    // The largest frame of 0x7F bytes doubles on the wire; the stored copy
    // reports its unstuffed length and at most 255 wire bytes.
    send(Bytes(250, 0x7F));
    EXPECT_GT(line.writes.back().size(), 255u);
    LinkPacket sent{};
    transaction.copy_last_sent(&sent);
    EXPECT_EQ(sent.length, 255);
    EXPECT_EQ(Bytes(sent.data, sent.data + 255),
              Bytes(line.writes.back().begin(), line.writes.back().begin() + 255));
}
