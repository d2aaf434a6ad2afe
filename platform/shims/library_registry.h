// The optional system libraries the program binds by name: LoadLibraryA, GetProcAddress and
// FreeLibrary over one registry of the libraries this platform can stand in for.
//
// Each registered library is a `TLibraryImage`: it decides when first loaded whether it is present
// on this station, answers the address of each function it exports by name, and is told when the
// last load is freed.  Names are matched ignoring ASCII case ("uxtheme.dll" is "UXTHEME.DLL"); a
// name the registry does not know, or a library that declines to load, makes LoadLibraryA answer
// null, as the platform does for a missing file.  Loads are counted: every load of a loaded
// library answers the same handle, and the library is detached by the FreeLibrary that matches
// its first load.  Export names are matched exactly (case-sensitive), as the platform does.
//
// Module handles look like module base addresses (multiples of 0x10000), so they are never below
// 32: old callers take a result below 32 as a failed load.  Thread-safe; the registry's lock is
// held while an image is called, so an image never calls these functions itself.
//
// The registered libraries (library_registry.cpp):
//   "UXTHEME.DLL"  the visual-style functions of the installed theme provider (theme_provider.h)
//   "DWMAPI.DLL"   desktop composition, always off here (desktop_composition.h)
//   "MSIMG32.DLL"  GradientFill and AlphaBlend of the drawing layer (image_blending.h)
//   "USER32.DLL"   the window layer's functions bound by name: the layered-window functions (user_library.h)
#pragma once

#include <span>
#include <string_view>

#include "platform/user/user_types.h"

using FARPROC = void (*)();

// What one library offers while it is loaded.
class TLibraryImage {
 public:
  virtual ~TLibraryImage() = default;
  // The first load: false when the library is absent here (the load fails, nothing is attached).
  virtual bool Attach() = 0;
  // The address of the export of that name, null when the library has none.
  virtual FARPROC Export(std::string_view name) = 0;
  // The last load has been freed.
  virtual void Detach() = 0;
};

// One entry of a library's table of exports.  ExportAddress<Proc>(&Function) checks that the
// function has the export's signature Proc.
struct TLibraryExport {
  std::string_view name;
  FARPROC address;
};
template <class Proc>
FARPROC ExportAddress(Proc function) {
  return reinterpret_cast<FARPROC>(function);
}
// The address of the export of that name in the table, null when it has none.
FARPROC FindLibraryExport(std::span<const TLibraryExport> exports, std::string_view name);

// A library that is always present and exports a fixed table.
class TExportTableImage final : public TLibraryImage {
 public:
  explicit TExportTableImage(std::span<const TLibraryExport> exports) : exports_(exports) {}
  bool Attach() override { return true; }
  FARPROC Export(std::string_view name) override { return FindLibraryExport(exports_, name); }
  void Detach() override {}

 private:
  std::span<const TLibraryExport> exports_;
};

// The handle of the library (loaded now or already), null when it is unknown or absent.
HMODULE LoadLibraryA(const char* fileName);
// Null for an unknown handle or name.
FARPROC GetProcAddress(HMODULE module, const char* procName);
// FALSE for a handle that is not loaded.
BOOL FreeLibrary(HMODULE module);

// Puts `image` (not owned) in place of a registered library's own image for the loads that follow,
// so that a test can take the library away or watch it; null puts the library's own image back.
// A library loaded at that moment keeps its image until its last load is freed.  False for a name
// the registry does not know.
bool OverrideLibraryImage(std::string_view fileName, TLibraryImage* image);
// The image a registered library has when nothing overrides it; null for an unknown name.
TLibraryImage* RegisteredLibraryImage(std::string_view fileName);
