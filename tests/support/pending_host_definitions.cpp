// Placeholders for stand-in definitions that are not merged yet, linked into executables
// only while host/src lacks them (see cmake/PendingHostDefinitions.cmake).
#include <iparamb2.h>
#include <windows.h>

#include <algorithm>
#include <cwchar>

#if defined(VELTRANE_PENDING_LOAD_STRING)
// Serves the few strings of the module's table that the tests read, for any module.
int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax) {
    static const struct {
        UINT id;
        const wchar_t* text;
    } kStrings[] = {
        {1, L"Complex IOR TexMap"}, {2, L"Standard"}, {3, L"Veltrane"}, {26, L"Homepage"}};
    if (!instance || !buffer || bufferMax <= 0) return 0;
    for (const auto& s : kStrings) {
        if (s.id != id) continue;
        const std::size_t length = std::wcslen(s.text);
        const std::size_t copied = std::min(length, static_cast<std::size_t>(bufferMax - 1));
        std::wmemcpy(buffer, s.text, copied);
        buffer[copied] = L'\0';
        return static_cast<int>(copied);
    }
    return 0;
}
#endif

#if defined(VELTRANE_PENDING_MAKE_AUTO_PARAM_BLOCKS)
// No block descriptors exist yet, so there is nothing to build.
void ClassDesc2::MakeAutoParamBlocks(ReferenceMaker* /*owner*/) {}
#endif
