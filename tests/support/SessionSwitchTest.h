#pragma once
// The process-wide SNMP session for tests, and a fixture that pairs it with
// a fresh simulated switch.
#include "SimSwitchTest.h"
#include "VnSNMPSession.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// The time-out of one try of a test's requests, in hundredths of a second
// (one retry follows): a loaded machine can hold a reply back for over a
// second, and a reply late beyond both tries would end a walk short. Tests
// of time-outs set their own.
inline constexpr int kTestSnmpTimeout = 300;

// Starts the process-wide session (and its event timer) once per test
// program, with its boot counter in a temporary folder; new requests get
// kTestSnmpTimeout.
void EnsureSessionStarted();

// A fresh switch with default.sim and one more file of tools/simswitch/data
// for every test, the session started, and what the switch was sent.
class SessionSwitchTest : public SimSwitchTest {
protected:
    explicit SessionSwitchTest(std::string dataFile) : dataFile_(std::move(dataFile)) {}

    SimSwitchOptions switchOptions() const override { return withDataFile(dataFile_); }
    void SetUp() override
    {
        EnsureSessionStarted();
        ASSERT_NE(VnSNMPSession(), nullptr);
        SimSwitchTest::SetUp();
    }
    // The varbinds of every set the switch received, as "oid=value".
    std::vector<std::vector<std::string>> SetRecord()
    {
        std::vector<std::vector<std::string>> pdus;
        for (const SimSwitch::SetPdu& pdu : sim().sets()) {
            std::vector<std::string> varbinds;
            for (const SimSwitch::Varbind& vb : pdu.varbinds)
                varbinds.push_back(vb.oid + "=" + vb.value);
            pdus.push_back(varbinds);
        }
        return pdus;
    }

private:
    std::string dataFile_;
};
