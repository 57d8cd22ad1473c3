#include "zav/sim/fault_syntax.h"

#include <gtest/gtest.h>

using namespace zav::sim;

namespace {

struct Parsed {
    bool ok;
    CommandKey key = -2;
    Fault fault;
    std::string error;
};

Parsed parse(const char* text) {
    Parsed p;
    p.ok = parse_fault(text, &p.key, &p.fault, &p.error);
    return p;
}

}  // namespace

TEST(FaultSyntax, KindsValuesCommandsAndTimes) {
    Parsed p = parse("noreply:sync");
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.fault.kind, Fault::Kind::NoReply);
    EXPECT_EQ(p.key, 0x11);
    EXPECT_EQ(p.fault.times, -1);

    p = parse("code=F2:0x30/0x61:1");
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.fault.kind, Fault::Kind::GenericCode);
    EXPECT_EQ(p.fault.code, 0xF2);
    EXPECT_EQ(p.key, expansion(0x61));
    EXPECT_EQ(p.fault.times, 1);

    p = parse("delay=250:sensor-info:3");
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.fault.kind, Fault::Kind::Delay);
    EXPECT_EQ(p.fault.delay_ms, 250);
    EXPECT_EQ(p.key, expansion(0x61));
    EXPECT_EQ(p.fault.times, 3);

    p = parse("junk=00,7f,0xAA:0x0C");
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.fault.kind, Fault::Kind::JunkBefore);
    EXPECT_EQ(p.fault.junk, (std::vector<std::uint8_t>{0x00, 0x7F, 0xAA}));
    EXPECT_EQ(p.key, 0x0C);

    p = parse("badcrc");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.key, kAnyCommand);
    EXPECT_EQ(parse("wrongseq:any:2").fault.kind, Fault::Kind::WrongSequence);
    EXPECT_TRUE(parse("junk:poll").fault.junk.empty());

    p = parse("reply=F0,FF,00:sensor-config:all:2");
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.fault.kind, Fault::Kind::Reply);
    EXPECT_EQ(p.fault.junk, (std::vector<std::uint8_t>{0xF0, 0xFF, 0x00}));
    EXPECT_EQ(p.fault.times, -1);
    EXPECT_EQ(p.fault.after, 2);
    EXPECT_EQ(parse("code=F2:sync:1:4").fault.after, 4);

    p = parse("zeropad=TM5:firmware");
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.fault.kind, Fault::Kind::ZeroPadded);
    EXPECT_EQ(p.fault.text, "TM5");
    EXPECT_EQ(p.key, expansion(0x44));
}

TEST(FaultSyntax, MalformedTextIsRefusedWithAReason) {
    for (const char* text : {"",
                             "silence",
                             "noreply=3",
                             "delay",
                             "delay=-1",
                             "delay=600001",
                             "delay=1x",
                             "code=",
                             "code=1FF",
                             "code=GG",
                             "junk=00,",
                             "junk=,00",
                             "noreply:",
                             "noreply:sink",
                             "noreply:0x31/0x61",
                             "noreply:0x30/",
                             "noreply:sync:0",
                             "noreply:sync:x",
                             "noreply:sync:1:",
                             "noreply:sync:1:x",
                             "noreply:sync:all:-1",
                             "reply",
                             "reply=",
                             "reply=F0,",
                             "zeropad",
                             "zeropad=ABCDEFGHIJKLMNOPQRSTU"}) {
        const Parsed p = parse(text);
        EXPECT_FALSE(p.ok) << "'" << text << "'";
        EXPECT_FALSE(p.error.empty()) << "'" << text << "'";
        EXPECT_EQ(p.key, -2) << "untouched on failure";
    }
    std::string many = "junk=";
    for (int i = 0; i < 65; ++i) many += i ? ",01" : "01";
    EXPECT_FALSE(parse(many.c_str()).ok);
}
