// The loader checks an ELF image before dlopen: a module with one field of its header
// changed, or cut short, is refused with what is wrong. Linux only: the Windows loader reads
// PE images itself.
#include <elf.h>
#include <gtest/gtest.h>
#include <link.h>
#include <standin/module_loader.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "tests/support/module_file.h"
#include "tests/support/scratch_file.h"

namespace {

using standin::Module;

TEST(ModuleLoader, RefusesModulesThatAreNotWholeSharedObjectsForThisMachine) {
    const std::string good = FileContents(LIFECYCLE_MODULE);
    ASSERT_GT(good.size(), sizeof(ElfW(Ehdr)));
    const auto with = [&good](std::size_t offset, auto value) {
        std::string bytes = good;
        std::memcpy(&bytes[offset], &value, sizeof value);
        return bytes;
    };
    ElfW(Ehdr) header;
    std::memcpy(&header, good.data(), sizeof header);
    const struct {
        const char* what;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"32-bit", with(EI_CLASS, std::uint8_t{ELFCLASS32}), "a 32-bit ELF file"},
        {"an executable", with(offsetof(ElfW(Ehdr), e_type), std::uint16_t{ET_EXEC}),
         "not a shared object"},
        {"another machine", with(offsetof(ElfW(Ehdr), e_machine), std::uint16_t{EM_RISCV}),
         "for machine 243"},
        {"program headers cut off", good.substr(0, header.e_phoff + 8),
         "the program headers end past the end of the file"},
        {"half", good.substr(0, SegmentsEnd(good) / 2), "ends past the end of the file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScratchFile file("patched-module.so", c.bytes);
        std::string error;
        EXPECT_EQ(Module::Load(file.Path(), &error), nullptr);
        EXPECT_EQ(
            error.rfind("cannot load module '" + file.Path() + "': not a loadable module (", 0), 0u)
            << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}

}  // namespace
