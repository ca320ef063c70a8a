// A module's dialog templates through the real resource API: the module handle is the one
// LoadLibraryW returned, and windres compiled the resource script into the module.
#include "module_resources.h"

#include <windows.h>

namespace standin {
namespace {

// The template's bytes in the preferred language if the module has them there, else in the
// language FindResourceW picks; null if the module has no such template.
HRSRC FindDialog(HINSTANCE instance, int id) {
    const LPCWSTR name = MAKEINTRESOURCEW(id);
    if (HRSRC found = FindResourceExW(instance, MAKEINTRESOURCEW(5) /* RT_DIALOG */, name,
                                      kPreferredLanguage)) {
        return found;
    }
    return FindResourceW(instance, name, MAKEINTRESOURCEW(5));
}

}  // namespace

std::optional<DialogTemplate> LoadDialogTemplate(HINSTANCE instance, int id, std::string* error) {
    if (instance == nullptr) {
        *error = "the module carries no resources";
        return std::nullopt;
    }
    if (id < 0 || id > 0xFFFF) {
        *error = "dialog template " + std::to_string(id) + " is not a resource ordinal";
        return std::nullopt;
    }
    HRSRC found = FindDialog(instance, id);
    HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        *error = "the module has no dialog template " + std::to_string(id);
        return std::nullopt;
    }
    std::string why;
    std::optional<DialogTemplate> dialog = DecodeDialogTemplate(
        static_cast<const std::uint8_t*>(bytes), SizeofResource(instance, found), &why);
    if (!dialog) *error = "dialog template " + std::to_string(id) + ": " + why;
    return dialog;
}

}  // namespace standin
