#include <gtest/gtest.h>

#include "link/PortErrorPolicy.h"

namespace {

TEST(PortErrorPolicy, OnlyFaultsOfTheLineItselfCloseThePort)
{
    const std::pair<PortFault, bool> cases[] = {
        {PortFault::None, false},           {PortFault::DeviceNotFound, false},
        {PortFault::PermissionDenied, false}, {PortFault::Open, false},
        {PortFault::NotOpen, false},        {PortFault::Write, true},
        {PortFault::Read, true},            {PortFault::Resource, true},
        {PortFault::UnsupportedOperation, false}, {PortFault::Timeout, false},
        {PortFault::Unknown, true},
    };
    for (const auto& [fault, closes] : cases)
        EXPECT_EQ(FaultClosesPort(fault), closes) << static_cast<int>(fault);
}

TEST(PortErrorPolicy, OnlyAVanishedPortIsReopenedByItself)
{
    PortRecovery recovery;
    EXPECT_FALSE(recovery.WantsReopen());  // never opened, or failed to open: stays closed
    recovery.Vanished();
    EXPECT_TRUE(recovery.WantsReopen());
    recovery.Opened();
    EXPECT_FALSE(recovery.WantsReopen());
    recovery.Vanished();
    recovery.Chosen();  // the engineer picked a port: no reopening behind their back
    EXPECT_FALSE(recovery.WantsReopen());
}

} // namespace
