// The six functions a host looks up in every plug-in module.
#include "module_exports.h"

namespace standin {

void Module::BindExports(std::string& missing) {
    BindExport(*this, "LibDescription", libDescription_, missing);
    BindExport(*this, "LibNumberClasses", libNumberClasses_, missing);
    BindExport(*this, "LibClassDesc", libClassDesc_, missing);
    BindExport(*this, "LibVersion", libVersion_, missing);
    BindExport(*this, "LibInitialize", libInitialize_, missing);
    BindExport(*this, "LibShutdown", libShutdown_, missing);
}

}  // namespace standin
