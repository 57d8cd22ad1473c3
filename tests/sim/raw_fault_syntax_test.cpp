// Raw-channel faults written on the zavsim command line.
#include "zav/sim/raw_fault_syntax.h"

#include <gtest/gtest.h>

using namespace zav::sim;
using Kind = RawFault::Kind;

namespace {

RawFault parsed(std::string_view text) {
    RawFault fault;
    std::string error;
    EXPECT_TRUE(parse_raw_fault(text, &fault, &error)) << text << ": " << error;
    return fault;
}

}  // namespace

TEST(RawFaultSyntax, ReadsEveryKind) {
    EXPECT_EQ(parsed("noack=86").command, 0x86);
    EXPECT_EQ(parsed("noack=0x9A").command, 0x9A);
    EXPECT_EQ(parsed("noack=gains").command, 0x7F);
    EXPECT_FALSE(parsed("badcheck").packet.has_value());
    EXPECT_EQ(parsed("badcheck=straightener").packet, ResultPacket::Straightener);
    EXPECT_EQ(parsed("wrongcode=opto").kind, Kind::WrongCode);
    EXPECT_EQ(parsed("wrongcode=opto").packet, ResultPacket::OptoWheel);
    EXPECT_EQ(parsed("nopaper").kind, Kind::NoGreenPaper);

    const RawFault path = parsed("pathfail=12");
    EXPECT_EQ(path.kind, Kind::SensorFails);
    EXPECT_EQ(path.sensor, 12);
    EXPECT_EQ(path.test, SensorTest::PaperLess);
    EXPECT_EQ(parsed("paperfail=255").test, SensorTest::GreenPaper);
    EXPECT_EQ(parsed("mechfail=reverse").mechanism, Mechanism::MotorReverse);
}

TEST(RawFaultSyntax, RefusesWhatItCannotRead) {
    for (const char* text :
         {"noack", "noack=", "noack=100", "noack=zz", "badcheck=motor", "nopaper=1", "pathfail=256",
          "pathfail=-1", "paperfail=", "mechfail=door", "nosuch"}) {
        RawFault fault;
        fault.command = 0x42;
        std::string error;
        EXPECT_FALSE(parse_raw_fault(text, &fault, &error)) << text;
        EXPECT_FALSE(error.empty()) << text;
        EXPECT_EQ(fault.command, 0x42) << "untouched after " << text;
    }
    EXPECT_TRUE(names_raw_fault("mechfail=door"));
    EXPECT_FALSE(names_raw_fault("noreply:sync"));
}
