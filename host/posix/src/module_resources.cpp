// A module's compiled resources on Linux: the .res bytes the module embeds, found by symbol
// through its dlopen() handle and parsed once per module.
#include "module_resources.h"

#include <dlfcn.h>

#include <cstring>
#include <map>
#include <mutex>

namespace standin {

std::shared_ptr<const ResourceFile> ModuleResources(HINSTANCE instance) {
    if (instance == nullptr) return nullptr;
    void* handle = reinterpret_cast<void*>(instance);
    const auto* data = static_cast<const std::uint8_t*>(dlsym(handle, "standin_module_resources"));
    const auto* size =
        static_cast<const std::size_t*>(dlsym(handle, "standin_module_resources_size"));
    if (data == nullptr || size == nullptr) {
        return nullptr;
    }

    // A handle can be reused for another module after an unload, so a cached file counts
    // only while the module still holds the same bytes.
    static std::mutex mutex;
    static std::map<void*, std::shared_ptr<const ResourceFile>> cache;
    std::lock_guard<std::mutex> lock(mutex);
    std::shared_ptr<const ResourceFile>& file = cache[handle];
    const bool current = file != nullptr && file->Bytes().size() == *size &&
                         std::memcmp(file->Bytes().data(), data, *size) == 0;
    if (!current) {
        std::optional<ResourceFile> parsed = ResourceFile::Parse(data, *size, nullptr);
        file = parsed ? std::make_shared<const ResourceFile>(std::move(*parsed)) : nullptr;
    }
    return file;
}

std::optional<DialogTemplate> LoadDialogTemplate(HINSTANCE instance, int id, std::string* error) {
    const auto file = ModuleResources(instance);
    if (file == nullptr) {
        *error = "the module carries no resources";
        return std::nullopt;
    }
    if (id < 0 || id > 0xFFFF) {
        *error = "dialog template " + std::to_string(id) + " is not a resource ordinal";
        return std::nullopt;
    }
    const Resource* res =
        file->FindPreferred(kRtDialog, static_cast<std::uint16_t>(id), kPreferredLanguage);
    if (res == nullptr) {
        *error = "the module has no dialog template " + std::to_string(id);
        return std::nullopt;
    }
    std::string why;
    std::optional<DialogTemplate> dialog = DecodeDialogTemplate(res->data, res->size, &why);
    if (!dialog) *error = "dialog template " + std::to_string(id) + ": " + why;
    return dialog;
}

}  // namespace standin
