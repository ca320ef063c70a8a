// The host's lookup of a module's entry points by name, the same with every platform's
// loader: Module::FindExport finds one symbol, these collect what is missing.
#pragma once

#include <string>

#include <standin/module_loader.h>

namespace standin {

// Sets `fn` to the module's export `name`, or appends the name to the comma-separated
// `missing` when the module lacks it.
template <typename Fn>
void BindExport(const Module& module, const char* name, Fn& fn, std::string& missing) {
    fn = reinterpret_cast<Fn>(module.FindExport(name));
    if (!fn) missing += missing.empty() ? name : std::string(", ") + name;
}

// "it lacks the export LibVersion" / "it lacks the exports A, B".
inline std::string LacksExports(const std::string& missing) {
    const bool several = missing.find(',') != std::string::npos;
    return std::string("it lacks the export") + (several ? "s " : " ") + missing;
}

}  // namespace standin
