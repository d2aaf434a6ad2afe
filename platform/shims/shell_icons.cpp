// The system image lists of our own folder and file icons; see shell_icons.h.
#include "platform/shims/shell_icons.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/image_list.h"
#include "platform/os/folders.h"

namespace {

using IconArt = std::array<std::string_view, 16>;

// 16 x 16 pictures, one letter a pixel ('.' transparent); the large icons double every pixel.
constexpr IconArt kFolderArt = {
    "................", "................", ".ooooo..........", "oyyyyyo.........",
    "oyyyyyyoooooooo.", "ollllllllllllllo", "olyyyyyyyyyyyyyo", "olyyyyyyyyyyyyyo",
    "olyyyyyyyyyyyyyo", "olyyyyyyyyyyyyyo", "olyyyyyyyyyyyyyo", "olyyyyyyyyyyyyyo",
    "olyyyyyyyyyyyyyo", "oooooooooooooooo", "................", "................",
};
constexpr IconArt kFileArt = {
    "..ooooooooo.....", "..owwwwwwwoo....", "..owwwwwwwogo...", "..owwwwwwwoggo..",
    "..owwwwwwwooooo.", "..owwwwwwwwwwwo.", "..owwwwwwwwwwwo.", "..owssssssssswo.",
    "..owwwwwwwwwwwo.", "..owssssssssswo.", "..owwwwwwwwwwwo.", "..owssssssssswo.",
    "..owwwwwwwwwwwo.", "..owwwwwwwwwwwo.", "..ooooooooooooo.", "................",
};

// Straight-alpha 0xAARRGGBB.
std::uint32_t ArtPixel(char letter, bool folder) {
  switch (letter) {
    case 'o': return folder ? 0xFF9C7A1E : 0xFF606060;
    case 'y': return 0xFFF2C94C;
    case 'l': return 0xFFFBE6A2;
    case 'w': return 0xFFFFFFFF;
    case 'g': return 0xFFD0D0D0;
    case 's': return 0xFFA0A0A0;
    default: return 0;
  }
}

// Both icons side by side at `scale` pixels per art pixel, in a 32-bit top-down DIB section.
HBITMAP IconStrip(int scale) {
  const int side = 16 * scale;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2 * side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP strip = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  const IconArt* arts[] = {&kFolderArt, &kFileArt};
  for (int icon = 0; icon < 2; ++icon)
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x)
        pixels[y * 2 * side + icon * side + x] = ArtPixel((*arts[icon])[y / scale][x / scale], icon == 0);
  return strip;
}

HIMAGELIST MakeList(int scale) {
  const int side = 16 * scale;
  HIMAGELIST list = ImageList_Create(side, side, ILC_COLOR32, 2, 0);
  HBITMAP strip = IconStrip(scale);
  ImageList_Add(list, strip, nullptr);
  DeleteObject(strip);
  return list;
}

HIMAGELIST SystemImageList(bool small) {
  static const HIMAGELIST kSmall = MakeList(1);
  static const HIMAGELIST kLarge = MakeList(2);
  return small ? kSmall : kLarge;
}

}  // namespace

DWORD_PTR SHGetFileInfoA(const char* path, DWORD, SHFILEINFOA* info, UINT size, UINT flags) {
  if (!(flags & SHGFI_SYSICONINDEX) || !info || size < sizeof(SHFILEINFOA)) return 0;
  info->iIcon = path && DirectoryExists(path) ? kShellFolderIconIndex : kShellFileIconIndex;
  return reinterpret_cast<DWORD_PTR>(SystemImageList(flags & SHGFI_SMALLICON));
}
