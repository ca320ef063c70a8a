// plugin-info: a module loaded as the host loads it, its exports and class descriptors listed.
#include "tools/veltrane/plugin_info_command.h"

#include <plugapi.h>
#include <standin/module_loader.h>
#include <CLI/CLI.hpp>

#include <cstdio>
#include <ostream>
#include <sstream>

#include "tools/veltrane/command_line.h"
#include "tools/veltrane/install_layout.h"
#include "tools/veltrane/shown_text.h"
#include "tools/veltrane/wide_to_utf8.h"

namespace veltrane::tools {
namespace {

constexpr int kExitLoadFailure = 2;
constexpr int kExitWriteFailure = 1;  // as eval: the output, not the input, failed

std::string Hex(unsigned long value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lX", value);
    return text;
}

std::string Text(const MCHAR* text) {
    return text ? WideToUtf8(text) : "(null)";
}

void PrintClass(int index, ClassDesc* desc, std::ostream& out) {
    out << "class " << index << '\n';
    if (!desc) {
        out << "  (no class descriptor)\n";
        return;
    }
    const Class_ID id = desc->ClassID();
    out << "  ClassName              " << Text(desc->ClassName()) << '\n'
        << "  NonLocalizedClassName  " << Text(desc->NonLocalizedClassName()) << '\n'
        << "  InternalName           " << Text(desc->InternalName()) << '\n'
        << "  Category               " << Text(desc->Category()) << '\n'
        << "  ClassID                " << Hex(id.PartA()) << ' ' << Hex(id.PartB()) << '\n'
        << "  SuperClassID           " << Hex(desc->SuperClassID()) << '\n'
        << "  IsPublic               " << desc->IsPublic() << '\n';
}

// The report goes to `report` and reaches `out` only when it is complete, so that a refused
// module leaves no partial listing.
int ListModule(const std::string& modulePath, std::ostream& report, std::ostream& err) {
    std::string error;
    const auto module = standin::Module::Load(modulePath, &error);
    if (!module) {
        err << Escaped(error) << '\n';
        return kExitLoadFailure;
    }

    const ULONG version = module->LibVersion();
    report << "module            " << module->Path() << '\n'
           << "LibVersion        " << Hex(version) << " (release " << GET_MAX_RELEASE(version)
           << ", API " << GET_MAX_API_NUM(version) << ", revision " << GET_MAX_SDK_REV(version)
           << ")\n";

    // The host initialises a module before asking for its classes and refuses it otherwise.
    if (!module->LibInitialize()) {
        err << "cannot use module '" << Escaped(modulePath)
            << "': its LibInitialize returned FALSE\n";
        return kExitLoadFailure;
    }
    report << "LibDescription    " << Text(module->LibDescription()) << '\n';
    const int classes = module->LibNumberClasses();
    report << "LibNumberClasses  " << classes << '\n';
    for (int i = 0; i < classes; ++i) PrintClass(i, module->LibClassDesc(i), report);
    module->LibShutdown();
    return 0;
}

}  // namespace

int RunPluginInfo(const std::string& modulePath, std::ostream& out, std::ostream& err) {
    std::ostringstream report;
    const int status = ListModule(modulePath, report, err);
    if (status != 0) return status;
    out << report.str() << std::flush;
    if (!out) {
        err << "veltrane plugin-info: cannot write the output\n";
        return kExitWriteFailure;
    }
    return 0;
}

void AddPluginInfoCommand(CLI::App& app) {
    auto modulePath = std::make_shared<std::string>(DefaultModulePath());
    CLI::App* command = AddCommand(
        app, "plugin-info", "Load a plug-in module as the host does and list its classes",
        [modulePath] { return RunPluginInfo(*modulePath, std::cout, std::cerr); });
    command
        ->add_option(
            "MODULE", *modulePath,
            "Module file (default: the module installed with this command, or built with it)")
        ->capture_default_str();
}

}  // namespace veltrane::tools
