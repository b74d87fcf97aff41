#pragma once
// The run-time control channel: one command per line, answered with zero or
// more lines of output and a last line "ok" or "error MESSAGE".
#include "SimConfig.h"
#include "SimSetRecord.h"

#include <string>

class SimControl {
public:
    SimControl(SimConfig& config, SimSetRecord& record) : config_(config), record_(record) {}

    std::string Run(const std::string& line);
    bool QuitRequested() const { return quit_; }

private:
    SimConfig& config_;
    SimSetRecord& record_;
    bool quit_ = false;
};
