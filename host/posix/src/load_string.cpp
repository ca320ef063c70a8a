// Stand-in for user32's LoadStringW: reads the string table of the module's own resources
// (module_resources.h says how they are found).
//
// Not modelled: bufferMax == 0, with which Windows stores a read-only pointer to the string
// in the buffer; here it copies nothing and returns 0. Strings come in the preferred
// language of module resources if the table has them there, else in any language.
#include <windows.h>

#include "module_resources.h"
#include "string_table.h"
#include "utf16.h"

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax) {
    if (instance == nullptr || buffer == nullptr || bufferMax <= 0) {
        return 0;
    }
    std::optional<std::u16string> text;
    if (const auto file = standin::ModuleResources(instance)) {
        // Only the low word names the string, as in user32 (so 0x1001A is string 26).
        text = standin::FindString(*file, LOWORD(id), standin::kPreferredLanguage);
    }
    const std::size_t count =
        text ? standin::DecodeUtf16(*text, buffer, static_cast<std::size_t>(bufferMax) - 1) : 0;
    buffer[count] = L'\0';
    return static_cast<int>(count);
}
