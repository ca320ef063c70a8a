// The plug-in module the benchmarks drive, loaded as the host loads it; a benchmark run
// without it measures nothing, so a load failure ends the run with the loader's message.
#pragma once

#include <standin/module_loader.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace veltrane::bench {

inline std::unique_ptr<standin::Module> LoadModuleOrExit() {
    std::string error;
    std::unique_ptr<standin::Module> module = standin::Module::Load(VELTRANE_MODULE, &error);
    if (!module) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(1);
    }
    return module;
}

}  // namespace veltrane::bench
