// Compiled resources from any module: the .res reader behind LoadStringW and the material
// editor, and the decoders of what it finds (string blocks, dialog templates). The same
// bytes also go to each decoder directly, since a module's entry can hold anything. The
// entries the reader accepts must lie inside the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dialog_template.h"
#include "fuzz/fuzz_check.h"
#include "resource_file.h"
#include "string_table.h"

namespace {

constexpr std::uint16_t kEnglishUs = 1033;

void DecodeEntry(const std::uint8_t* data, std::size_t size) {
    std::string error;
    for (unsigned index = 0; index < 16; ++index) standin::StringTableEntry(data, size, index);
    standin::DecodeDialogTemplate(data, size, &error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodeEntry(data, size);

    std::string error;
    const auto file = standin::ResourceFile::Parse(data, size, &error);
    if (!file) return 0;
    const std::uint8_t* const begin = file->Bytes().data();
    const std::uint8_t* const end = begin + file->Bytes().size();
    for (const standin::Resource& entry : file->Resources()) {
        FUZZ_CHECK(entry.size == 0 || (entry.data >= begin && entry.data + entry.size <= end));
        DecodeEntry(entry.data, entry.size);
    }
    // LoadStringW's lookups: a few string IDs, in the preferred language and in any.
    for (std::uint32_t id : {0u, 1u, 2u, 15u, 16u, 100u, 65535u}) {
        standin::FindString(*file, id, kEnglishUs);
        standin::FindString(*file, id, 0);
    }
    return 0;
}
