// The ELF check of a module file before dlopen(): a shared object of this machine's class,
// byte order and architecture, whose program headers and segments lie inside the file.
#include "elf_image_check.h"

#include <elf.h>
#include <link.h>

#include <cstdint>
#include <fstream>
#include <vector>

namespace standin {
namespace {

using Ehdr = ElfW(Ehdr);
using Phdr = ElfW(Phdr);

#if defined(__x86_64__)
constexpr int kMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr int kMachine = EM_AARCH64;
#elif defined(__i386__)
constexpr int kMachine = EM_386;
#elif defined(__arm__)
constexpr int kMachine = EM_ARM;
#else
#error "the module check knows no ELF machine number for this architecture"
#endif

constexpr unsigned char kClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;
constexpr unsigned char kByteOrder =
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? ELFDATA2LSB : ELFDATA2MSB;

// Whether [offset, offset + size) lies inside a file of `fileSize` bytes, without overflow.
bool Inside(std::uint64_t offset, std::uint64_t size, std::uint64_t fileSize) {
    return offset <= fileSize && size <= fileSize - offset;
}

std::string HeaderProblem(const Ehdr& h) {
    if (h.e_ident[EI_MAG0] != ELFMAG0 || h.e_ident[EI_MAG1] != ELFMAG1 ||
        h.e_ident[EI_MAG2] != ELFMAG2 || h.e_ident[EI_MAG3] != ELFMAG3) {
        return "not an ELF file";
    }
    if (h.e_ident[EI_CLASS] != kClass) {
        return kClass == ELFCLASS64 ? "a 32-bit ELF file; this machine loads 64-bit modules"
                                    : "a 64-bit ELF file; this machine loads 32-bit modules";
    }
    if (h.e_ident[EI_DATA] != kByteOrder) return "an ELF file of the other byte order";
    if (h.e_type != ET_DYN) return "an ELF file that is not a shared object";
    if (h.e_machine != kMachine) {
        return "an ELF file for machine " + std::to_string(h.e_machine) + ", not this one (" +
               std::to_string(kMachine) + ")";
    }
    if (h.e_phnum == 0 || h.e_phentsize != sizeof(Phdr))
        return "an ELF file without program headers";
    return {};
}

}  // namespace

std::string ElfImageProblem(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return "cannot be read";
    const auto fileSize = static_cast<std::uint64_t>(in.tellg());
    const std::string truncated = "truncated (" + std::to_string(fileSize) + " bytes): ";

    Ehdr header{};
    if (fileSize < sizeof header) {
        return fileSize >= SELFMAG ? truncated + "the ELF header is cut off" : "not an ELF file";
    }
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(&header), sizeof header)) return "cannot be read";
    std::string problem = HeaderProblem(header);
    if (!problem.empty()) return problem;

    const std::uint64_t tableSize = std::uint64_t{header.e_phnum} * sizeof(Phdr);
    if (!Inside(header.e_phoff, tableSize, fileSize)) {
        return truncated + "the program headers end past the end of the file";
    }
    std::vector<Phdr> table(header.e_phnum);
    in.seekg(static_cast<std::streamoff>(header.e_phoff));
    if (!in.read(reinterpret_cast<char*>(table.data()), static_cast<std::streamsize>(tableSize))) {
        return "cannot be read";
    }
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!Inside(table[i].p_offset, table[i].p_filesz, fileSize)) {
            return truncated + "segment " + std::to_string(i) + " (bytes " +
                   std::to_string(table[i].p_offset) + " to " +
                   std::to_string(table[i].p_offset + table[i].p_filesz) +
                   ") ends past the end of the file";
        }
    }
    return {};
}

}  // namespace standin
