// The veltrane command: one registration line per subcommand.
#include <CLI/CLI.hpp>

#include "tools/veltrane/command_line.h"
#include "tools/veltrane/convert_command.h"
#include "tools/veltrane/curves_command.h"
#include "tools/veltrane/eval_command.h"
#include "tools/veltrane/nk_command.h"
#include "tools/veltrane/plugin_info_command.h"
#include "tools/veltrane/presets_command.h"
#include "tools/veltrane/preview_command.h"

int main(int argc, char** argv) {
    CLI::App app{"Veltrane: conductor Fresnel colours of metals, as the texture map computes them",
                 "veltrane"};
    veltrane::tools::AddEvalCommand(app);
    veltrane::tools::AddPluginInfoCommand(app);
    veltrane::tools::AddCurvesCommand(app);
    veltrane::tools::AddNkCommand(app);
    veltrane::tools::AddPresetsCommand(app);
    veltrane::tools::AddPreviewCommand(app);
    veltrane::tools::AddConvertCommand(app);
    return veltrane::tools::RunCommandLine(app, argc, argv);
}
