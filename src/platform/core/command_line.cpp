#include "platform/core/command_line.hpp"

#include <charconv>
#include <ostream>

namespace q {

const char* ProgramVersion() { return QUORREL_VERSION; }

CLI::Validator CountFrom(int64_t least) {
    const std::string rule = "a whole number from " + std::to_string(least) + " up";
    return CLI::Validator(
        [least, rule](std::string& text) {
            int64_t n = 0;
            const char* end = text.data() + text.size();
            const auto [stop, fault] = std::from_chars(text.data(), end, n);
            if (fault != std::errc() || stop != end || n < least) return text + " is not " + rule;
            return std::string();
        },
        "INT >= " + std::to_string(least));
}

void PrepareCommandLine(CLI::App& app) {
    app.set_version_flag("--version", app.get_name() + " " + ProgramVersion(), "show the version and stop");
    app.set_help_flag("-h,--help", "show this text and stop");
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

CommandLineResult ReadCommandLine(CLI::App& app, int argc, const char* const* argv) {
    CommandLineResult result;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        result = {false, 0, app.help()};
    } catch (const CLI::CallForAllHelp&) {
        result = {false, 0, app.help("", CLI::AppFormatMode::All)};
    } catch (const CLI::CallForVersion& version) {
        result = {false, 0, std::string(version.what()) + "\n"};
    } catch (const CLI::ParseError& misuse) {
        std::string what = misuse.what();
        for (char& c : what)
            if (c == '\n') c = ' ';
        result = {false, kUsageStatus, app.get_name() + ": " + what + " (" + app.get_name() + " --help lists the options)"};
    }
    return result;
}

CommandLineResult ReadCommandLine(CLI::App& app, const std::vector<std::string>& args) {
    const std::string name = app.get_name();
    std::vector<const char*> argv{name.c_str()};
    for (const std::string& a : args) argv.push_back(a.c_str());
    return ReadCommandLine(app, static_cast<int>(argv.size()), argv.data());
}

int ReportCommandLine(const CommandLineResult& result, std::ostream& out, std::ostream& err) {
    if (result.status == 0)
        out << result.text;
    else
        err << result.text << "\n";
    return result.status;
}

}  // namespace q
