#include "ScriptHost.h"

#include <fstream>
#include <iterator>
#include <string>

#include "Inspector.h"
#include "OutputText.h"
#include "UserCommands.h"
#include "common/Error.h"

namespace xkr::script {
namespace {

std::string readBytes(const std::filesystem::path& path, std::string_view given) {
    std::error_code error;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, error))
        in.open(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad())
        throw ScriptError("cannot read file " + escapeText(given));
    return bytes;
}

bool trueOrFalse(const std::string& word, std::string_view name) {
    if (word != "true" && word != "false")
        throw ScriptError(std::string(name) + " must be true or false");
    return word == "true";
}

}  // namespace

ScriptHost::ScriptHost(std::ostream& out, std::filesystem::path folder)
    : m_out(out), m_folder(std::move(folder)), m_recorder(out) {}

int ScriptHost::run(std::string_view script, std::ostream& err) {
    createControl();
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < script.size()) {
        const std::size_t end = script.find('\n', start);
        const std::string_view line = script.substr(start, end - start);
        start = end == std::string_view::npos ? script.size() : end + 1;
        ++lineNumber;
        if (isSkipped(line))
            continue;
        try {
            execute(line);
        } catch (const ScriptError& error) {
            m_out.flush();
            err << "vendorpayto-script: line " << lineNumber << ": " << error.what() << '\n';
            m_control.reset();
            return exitScriptError;
        }
    }
    m_control.reset();
    return exitOk;
}

void ScriptHost::createControl() {
    m_control.reset();
    m_control = std::make_unique<VendorPayTo>();
    m_control->setMessageBox([this](const std::string& text, const std::string& title, int style) {
        return m_recorder.show(text, title, style);
    });
}

void ScriptHost::execute(std::string_view line) {
    LineArgs args(line);
    const std::string command = args.command();
    // A failure that leaves an event routine reaches the host's event loop: it is reported and
    // the script goes on, as a host application would go on.
    try {
        if (command == "show") {
            runShow(args, *m_control, m_out);
        } else if (!runUserAction(command, args, m_control->form(), m_out)) {
            runHostCall(command, args);
        }
    } catch (const EventError& error) {
        m_out << "error: " << error.routine() << '\n';
    }
}

void ScriptHost::runHostCall(const std::string& command, LineArgs& args) {
    if (command == "load") {
        load(args);
    } else if (command == "load-text") {
        loadText(args);
    } else if (command == "vendor") {
        vendor(args);
    } else if (command == "postal-check") {
        const std::string check = args.word("CHECK");
        args.end();
        m_control->LetPostalCodeCheck(trueOrFalse(check, "CHECK"));
    } else if (command == "answer") {
        const std::string answer = args.word("yes or no");
        args.end();
        if (answer != "yes" && answer != "no")
            throw ScriptError("answer must be yes or no");
        m_recorder.queueAnswer(answer == "yes");
    } else if (command == "echo") {
        m_out << escapeText(args.text()) << '\n';
    } else if (command == "export") {
        args.end();
        printResult("export", &VendorPayTo::GetContactAddress);
    } else if (command == "changed-default") {
        args.end();
        printResult("changed-default", &VendorPayTo::ChangedDefault);
    } else if (command == "load-status") {
        args.end();
        loadStatus();
    } else if (command == "recreate") {
        args.end();
        createControl();
    } else {
        throw ScriptError("unknown command " + escapeText(command));
    }
}

void ScriptHost::load(LineArgs& args) {
    const std::string field = args.word("FS");
    const std::string record = args.word("RS");
    const std::string table = args.word("TS");
    const std::string file = args.word("FILE");
    args.end();
    const std::string data = readBytes(m_folder / file, file);
    m_control->LetContactAddress(data, field, record, table);
}

void ScriptHost::loadText(LineArgs& args) {
    const std::string field = args.word("FS");
    const std::string record = args.word("RS");
    const std::string table = args.word("TS");
    const std::string data = args.text();
    m_control->LetContactAddress(data, field, record, table);
}

void ScriptHost::vendor(LineArgs& args) {
    const std::int32_t id = toInt32(args.word("ID"), "vendor id");
    const std::string mode = args.word("MODE");
    args.end();
    const bool editable = trueOrFalse(mode, "MODE");
    try {
        m_control->LetVendorIDNMode(id, editable);
    } catch (const VendorPayToError&) {
        m_out << "vendor: error\n";
    }
}

// A public method that fails reaches the host as the failure of the call.
void ScriptHost::printResult(std::string_view label, std::string (VendorPayTo::*call)()) {
    try {
        const std::string result = ((*m_control).*call)();
        m_out << label << ": " << escapeText(result) << '\n';
    } catch (const VendorPayToError&) {
        m_out << label << ": error\n";
    }
}

void ScriptHost::loadStatus() {
    const std::string& status = m_control->loadStatus();
    if (status.empty()) {
        m_out << "load-status: ok\n";
    } else {
        m_out << "load-status: stopped (" << escapeText(status) << ")\n";
    }
}

}  // namespace xkr::script
