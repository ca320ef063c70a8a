// Parsing with CLI11, and the translation of its exceptions into one-line messages.
#include "tools/veltrane/command_line.h"

#include <cstdio>
#include <iostream>
#include <vector>

#include "tools/veltrane/item_list.h"
#include "tools/veltrane/shown_text.h"

namespace veltrane::tools {
namespace {

// A subcommand action's exit status travels out of CLI11's callback as this exception.
class CommandExit : public std::exception {
  public:
    explicit CommandExit(int exitStatus) : status(exitStatus) {}
    int status;
};

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

bool Any(const CLI::App*) {
    return true;
}

// The program name, followed by the chosen subcommand if there is one.
std::string Prefix(CLI::App& app) {
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    return chosen.empty() ? app.get_name() : app.get_name() + " " + chosen.front()->get_name();
}

std::string CommandList(const CLI::App& app) {
    std::string list;
    for (const CLI::App* sub : app.get_subcommands(Any)) AppendItem(list, sub->get_name());
    return list;
}

// Extras are arguments that no option or command took. CLI11 lists them after a colon in
// its message, last one first; name the first of them.
std::string ExtrasMessage(CLI::App& app, const CLI::ExtrasError& error) {
    const std::string message = error.what();
    const std::size_t space = message.rfind(' ');
    const std::string first = space == std::string::npos ? message : message.substr(space + 1);
    const bool option = !first.empty() && first[0] == '-';
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    if (!chosen.empty()) {
        return (option ? "unknown option '" : "unexpected argument '") + first +
               "' (valid options: " + OptionList(*chosen.front()) + ")";
    }
    if (option) {
        return "unknown option '" + first + "' (valid: --help, or a command: " + CommandList(app) +
               ")";
    }
    return "unknown command '" + first + "' (valid commands: " + CommandList(app) + ")";
}

}  // namespace

CLI::App* AddCommand(CLI::App& app, const std::string& name, const std::string& description,
                     CommandAction action) {
    CLI::App* sub = app.add_subcommand(name, description);
    sub->callback([action = std::move(action)] {
        const int status = action();
        if (status != 0) throw CommandExit(status);
    });
    return sub;
}

int FlushOutput(const std::string& command) {
    if (std::fflush(stdout) == 0) return 0;
    std::perror(("veltrane " + command + ": cannot write the output").c_str());
    return 1;
}

CLI::Option* AddTextOption(CLI::App& command, const std::string& name, std::string& value,
                           const std::string& valueName, const std::string& description) {
    // An option given an empty value was given, not left out: refused rather than taken
    // for its default.
    const CLI::Validator notEmpty(
        [valueName](std::string& text) {
            return text.empty() ? "'' is empty (valid: " + valueName + ")" : std::string();
        },
        "");
    return command.add_option(name, value, description)->type_name(valueName)->check(notEmpty);
}

std::string OptionList(const CLI::App& command) {
    std::string list;
    for (const CLI::Option* option : command.get_options()) {
        for (const std::string& name : option->get_lnames()) AppendItem(list, "--" + name);
    }
    return list;
}

int RunCommandLine(CLI::App& app, int argc, const char* const* argv) {
    app.footer("See '" + app.get_name() + " COMMAND --help' for the options of a command.\n");
    try {
        app.parse(argc, argv);
        if (app.get_subcommands().empty()) {
            std::cerr << app.get_name() << ": missing command (valid commands: " << CommandList(app)
                      << "; see " << app.get_name() << " --help)\n";
            return kUsageExit;
        }
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::CallForAllHelp&) {
        std::cout << app.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::ExtrasError& e) {
        std::cerr << Prefix(app) << ": " << ExtrasMessage(app, e) << "\n";
        return kUsageExit;
    } catch (const CLI::ParseError& e) {
        std::cerr << Prefix(app) << ": " << OneLine(e.what()) << "\n";
        return kUsageExit;
    } catch (const UsageError& e) {
        // Messages quote file names and file contents: escaped, so that they stay one line.
        std::cerr << Prefix(app) << ": " << Escaped(e.what()) << "\n";
        return kUsageExit;
    } catch (const CommandExit& e) {
        return e.status;
    }
    return 0;
}

}  // namespace veltrane::tools
