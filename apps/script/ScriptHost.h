#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string_view>

#include "MessageRecorder.h"
#include "ScriptLine.h"
#include "control/VendorPayTo.h"

namespace xkr::script {

inline constexpr int exitOk = 0;
inline constexpr int exitScriptError = 2;

// Runs a host script against one VendorPayTo control: host calls through its public methods,
// user actions through the controls' user operations, message boxes through a recorder.
class ScriptHost {
public:
    // `folder` is where `load` finds its files.
    ScriptHost(std::ostream& out, std::filesystem::path folder);

    // Creates the control, runs every line and ends the control. A script error stops at its
    // line, with one line on `err`; the result is the exit status.
    int run(std::string_view script, std::ostream& err);

private:
    void execute(std::string_view line);
    void runHostCall(const std::string& command, LineArgs& args);
    void createControl();
    void load(LineArgs& args);
    void loadText(LineArgs& args);
    void vendor(LineArgs& args);
    void printResult(std::string_view label, std::string (VendorPayTo::*call)());
    void loadStatus();

    std::ostream& m_out;
    std::filesystem::path m_folder;
    MessageRecorder m_recorder;
    std::unique_ptr<VendorPayTo> m_control;
};

}  // namespace xkr::script
