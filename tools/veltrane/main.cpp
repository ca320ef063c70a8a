// The veltrane command: one registration line per subcommand. The Windows build has eval
// and plugin-info; the data and picture commands need libraries it lacks.
#include <CLI/CLI.hpp>

#include "tools/veltrane/command_line.h"
#include "tools/veltrane/eval_command.h"
#include "tools/veltrane/plugin_info_command.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#else
#include "tools/veltrane/convert_command.h"
#include "tools/veltrane/curves_command.h"
#include "tools/veltrane/nk_command.h"
#include "tools/veltrane/presets_command.h"
#include "tools/veltrane/preview_command.h"
#endif

int main(int argc, char** argv) {
#if defined(_WIN32)
    // Lines end in "\n" on every platform: the C runtime's text mode would write "\r\n".
    for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
#endif
    CLI::App app{"Veltrane: conductor Fresnel colours of metals, as the texture map computes them",
                 "veltrane"};
    veltrane::tools::AddEvalCommand(app);
    veltrane::tools::AddPluginInfoCommand(app);
#if !defined(_WIN32)
    veltrane::tools::AddCurvesCommand(app);
    veltrane::tools::AddNkCommand(app);
    veltrane::tools::AddPresetsCommand(app);
    veltrane::tools::AddPreviewCommand(app);
    veltrane::tools::AddConvertCommand(app);
#endif
    return veltrane::tools::RunCommandLine(app, argc, argv);
}
