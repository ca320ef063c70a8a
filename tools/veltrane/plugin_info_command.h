// `veltrane plugin-info [MODULE]`: loads a plug-in module as the host does and lists what
// its exports and class descriptors tell the host.
#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace veltrane::tools {

// Adds the subcommand to `app`; a failure ends the program with exit status 2.
void AddPluginInfoCommand(CLI::App& app);

// Prints the module's facts to `out` and returns 0. A file that is not a loadable module,
// or lacks an export: one line on `err` naming the file and what is missing, nothing on
// `out`, and 2. An output that cannot be written: a message on `err` and 1.
int RunPluginInfo(const std::string& modulePath, std::ostream& out, std::ostream& err);

}  // namespace veltrane::tools
