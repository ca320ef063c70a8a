// The `veltrane` command: the texture map's functions outside the host.
#include <CLI/CLI.hpp>

#include "tools/veltrane/plugin_info_command.h"

int main(int argc, char** argv) {
    CLI::App app{"Veltrane: complex-IOR metal texture map, outside the host"};
    app.require_subcommand(1);
    AddPluginInfoCommand(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
