// A look at a module file before the dynamic loader maps it: the loader trusts the file's
// program headers, and maps a segment that lies past the end of a truncated file, which
// faults at the first touch instead of failing the load. Linux only.
#pragma once

#include <string>

namespace standin {

// Empty when the file at `path` is an ELF shared object for this machine whose program
// headers' file ranges lie inside the file; otherwise what is wrong, in a few words.
std::string ElfImageProblem(const std::string& path);

}  // namespace standin
