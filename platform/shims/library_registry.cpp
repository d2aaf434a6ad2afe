// The registry of optional libraries: the built-in table of names and the loaded-library records.
//
// Invariant: a name has at most one record; a record exists exactly while its load count is above
// 0, and its image was attached when the record was made and is detached when it goes.
#include "platform/shims/library_registry.h"

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/core/ansi_strings.h"
#include "platform/shims/desktop_composition.h"
#include "platform/shims/image_blending.h"
#include "platform/shims/theme_provider.h"
#include "platform/shims/user_library.h"

namespace {

struct RegisteredLibrary {
  std::string_view fileName;   // upper case
  TLibraryImage& (*image)();
};

const RegisteredLibrary kRegisteredLibraries[] = {
    {"UXTHEME.DLL", ThemeLibraryImage},
    {"DWMAPI.DLL", DesktopCompositionLibraryImage},
    {"MSIMG32.DLL", ImageBlendingLibraryImage},
    {"USER32.DLL", UserLibraryImage},
};

struct LoadedLibrary {
  TLibraryImage* image;
  int loadCount;
};

struct Registry {
  std::mutex lock;
  // By handle value; handles are (slot + 1) << 16, slot the index in kRegisteredLibraries.
  std::map<std::uintptr_t, LoadedLibrary> loaded;
  std::array<TLibraryImage*, std::size(kRegisteredLibraries)> overrides{};
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

std::uintptr_t HandleValueOfSlot(std::size_t slot) { return (slot + 1) << 16; }

std::optional<std::size_t> SlotOf(std::string_view fileName) {
  const std::string wanted = UpperCase(fileName);
  for (std::size_t slot = 0; slot < std::size(kRegisteredLibraries); ++slot)
    if (kRegisteredLibraries[slot].fileName == wanted) return slot;
  return std::nullopt;
}

// Called with the registry's lock held.
TLibraryImage& ImageOfSlot(Registry& registry, std::size_t slot) {
  TLibraryImage* image = registry.overrides[slot];
  return image != nullptr ? *image : kRegisteredLibraries[slot].image();
}

}  // namespace

HMODULE LoadLibraryA(const char* fileName) {
  if (fileName == nullptr) return nullptr;
  const std::optional<std::size_t> slot = SlotOf(fileName);
  if (!slot) return nullptr;
  Registry& registry = TheRegistry();
  const std::lock_guard<std::mutex> guard(registry.lock);
  const std::uintptr_t handle = HandleValueOfSlot(*slot);
  if (auto it = registry.loaded.find(handle); it != registry.loaded.end()) {
    ++it->second.loadCount;
  } else {
    TLibraryImage& image = ImageOfSlot(registry, *slot);
    if (!image.Attach()) return nullptr;
    registry.loaded.emplace(handle, LoadedLibrary{&image, 1});
  }
  return reinterpret_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, const char* procName) {
  if (procName == nullptr) return nullptr;
  Registry& registry = TheRegistry();
  const std::lock_guard<std::mutex> guard(registry.lock);
  const auto it = registry.loaded.find(reinterpret_cast<std::uintptr_t>(module));
  return it == registry.loaded.end() ? nullptr : it->second.image->Export(procName);
}

BOOL FreeLibrary(HMODULE module) {
  Registry& registry = TheRegistry();
  const std::lock_guard<std::mutex> guard(registry.lock);
  const auto it = registry.loaded.find(reinterpret_cast<std::uintptr_t>(module));
  if (it == registry.loaded.end()) return FALSE;
  if (--it->second.loadCount == 0) {
    it->second.image->Detach();
    registry.loaded.erase(it);
  }
  return TRUE;
}

FARPROC FindLibraryExport(std::span<const TLibraryExport> exports, std::string_view name) {
  for (const TLibraryExport& entry : exports)
    if (entry.name == name) return entry.address;
  return nullptr;
}

bool OverrideLibraryImage(std::string_view fileName, TLibraryImage* image) {
  const std::optional<std::size_t> slot = SlotOf(fileName);
  if (!slot) return false;
  Registry& registry = TheRegistry();
  const std::lock_guard<std::mutex> guard(registry.lock);
  registry.overrides[*slot] = image;
  return true;
}

TLibraryImage* RegisteredLibraryImage(std::string_view fileName) {
  const std::optional<std::size_t> slot = SlotOf(fileName);
  return slot ? &kRegisteredLibraries[*slot].image() : nullptr;
}
