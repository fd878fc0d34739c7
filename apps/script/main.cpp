#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "HelpText.h"
#include "ScriptHost.h"

namespace {

constexpr std::string_view programName = "vendorpayto-script";

int fail(std::string_view reason) {
    std::cerr << programName << ": " << reason << '\n';
    return xkr::script::exitScriptError;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2)
        return fail("too many arguments (see --help)");
    const std::string source = argc == 2 ? argv[1] : "-";
    if (source == "--help" || source == "-h") {
        std::cout << xkr::script::helpText();
        return xkr::script::exitOk;
    }

    std::string script;
    std::filesystem::path folder = ".";
    if (source == "-") {
        std::ostringstream buffer;
        buffer << std::cin.rdbuf();
        script = buffer.str();
    } else {
        std::error_code error;
        std::ifstream in;
        if (!std::filesystem::is_directory(source, error))
            in.open(source, std::ios::binary);
        if (!in.is_open())
            return fail("cannot read script " + source);
        script.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
            return fail("cannot read script " + source);
        folder = std::filesystem::path(source).parent_path();
        if (folder.empty())
            folder = ".";
    }

    xkr::script::ScriptHost host(std::cout, folder);
    const int status = host.run(script, std::cerr);
    std::cout.flush();
    return status;
}
