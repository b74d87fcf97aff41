#pragma once
// GoogleTest fixture base: a fresh simulated switch for every test.
// Override switchOptions() to load other data or pass options.
#include "SimSwitch.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class SimSwitchTest : public ::testing::Test {
protected:
    virtual SimSwitchOptions switchOptions() const { return {}; }
    // Options for default.sim and then one more file of tools/simswitch/data.
    static SimSwitchOptions withDataFile(const std::string& name)
    {
        SimSwitchOptions options;
        options.dataFiles = {SimSwitch::dataPath(name)};
        return options;
    }

    void SetUp() override { ASSERT_NO_THROW(sim_ = std::make_unique<SimSwitch>(switchOptions())); }
    void TearDown() override { sim_.reset(); }

    SimSwitch& sim() { return *sim_; }
    std::uint16_t port() const { return sim_->port(); }

    std::unique_ptr<SimSwitch> sim_;
};
