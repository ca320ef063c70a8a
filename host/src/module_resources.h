// The compiled resources that a module carries, found through its module handle: a module
// built with veltrane_embed_resources() exports its .res file's bytes under two names, and
// the handle is the loader's dlopen() handle, so dlsym() finds them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <windows.h>

#include "dialog_template.h"
#include "resource_file.h"

namespace standin {

// The language a module's strings and dialogs are taken in when it has them in that one:
// 1033, English (United States). Otherwise they come from whatever language has them.
inline constexpr std::uint16_t kPreferredLanguage = 1033;

// The module's parsed resources; null for a module without them or with a damaged file.
// Parsed once per module and shared; safe to call from several threads.
std::shared_ptr<const ResourceFile> ModuleResources(HINSTANCE instance);

// Dialog template `id` of the module's resources, in kPreferredLanguage if there is one,
// else in any language. On failure returns nullopt and says why in `*error`.
std::optional<DialogTemplate> LoadDialogTemplate(HINSTANCE instance, int id, std::string* error);

}  // namespace standin
