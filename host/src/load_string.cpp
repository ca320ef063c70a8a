// Stand-in for user32's LoadStringW: reads the string table of the module's own resources.
// A module built with veltrane_embed_resources() carries its compiled .res file under two
// exported names; the module handle is the loader's dlopen() handle, so dlsym() finds them.
//
// Not modelled: bufferMax == 0, with which Windows stores a read-only pointer to the string
// in the buffer; here it copies nothing and returns 0. Strings come from language 1033
// (English, United States) if the table has them, else from any language.
#include <dlfcn.h>

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <windows.h>

#include "resource_file.h"
#include "string_table.h"
#include "utf16.h"

namespace {

constexpr std::uint16_t kEnglishUnitedStates = 1033;

std::shared_ptr<const standin::ResourceFile> ModuleResources(HINSTANCE instance) {
    void* handle = reinterpret_cast<void*>(instance);
    const auto* data = static_cast<const std::uint8_t*>(dlsym(handle, "standin_module_resources"));
    const auto* size = static_cast<const std::size_t*>(dlsym(handle, "standin_module_resources_size"));
    if (data == nullptr || size == nullptr) {
        return nullptr;
    }

    // Parsed once per handle. A handle can be reused for another module after an unload, so
    // a cached file counts only while the module still holds the same bytes.
    static std::mutex mutex;
    static std::map<void*, std::shared_ptr<const standin::ResourceFile>> cache;
    std::lock_guard<std::mutex> lock(mutex);
    std::shared_ptr<const standin::ResourceFile>& file = cache[handle];
    const bool current = file != nullptr && file->Bytes().size() == *size &&
                         std::memcmp(file->Bytes().data(), data, *size) == 0;
    if (!current) {
        std::optional<standin::ResourceFile> parsed =
            standin::ResourceFile::Parse(data, *size, nullptr);
        file = parsed ? std::make_shared<const standin::ResourceFile>(std::move(*parsed))
                      : nullptr;
    }
    return file;
}

}  // namespace

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax) {
    if (instance == nullptr || buffer == nullptr || bufferMax <= 0) {
        return 0;
    }
    std::optional<std::u16string> text;
    if (const auto file = ModuleResources(instance)) {
        text = standin::FindString(*file, id, kEnglishUnitedStates);
    }
    const std::size_t count =
        text ? standin::DecodeUtf16(*text, buffer, static_cast<std::size_t>(bufferMax) - 1) : 0;
    buffer[count] = L'\0';
    return static_cast<int>(count);
}
