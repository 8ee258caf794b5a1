#pragma once
// A running engine and a peer that knows where the engine's replies go, for each test.

#include <gtest/gtest.h>

#include "snmp/SnmpTransport.h"
#include "tests/snmp/transport/TestPeer.h"

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureQtApplication();
        SnmpInit(nullptr);
        peer.SetEnginePort(GetSnmpSocket()->GetLocalPort());
    }
    void TearDown() override { SnmpDone(); }

    TestPeer peer;
};
