#include "platform/user/resource_cursor.h"

#include <cstring>
#include <map>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "platform/core/win_errors.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/ico_codec.h"
#include "platform/gdi/icon.h"
#include "platform/os/embedded_resources.h"
#include "platform/os/os_error.h"
#include "platform/user/cursor.h"
#include "platform/user/resource_name.h"
#include "platform/user/system_metrics.h"

namespace user {

namespace {

struct Shared {
  std::mutex mutex;
  std::map<std::string, HCURSOR> byName;   // upper-case name -> cursor
};

Shared& Loaded() {
  static Shared shared;
  return shared;
}

bool IsShared(HCURSOR cursor) {
  Shared& shared = Loaded();
  std::lock_guard lock(shared.mutex);
  for (const auto& [name, loaded] : shared.byName)
    if (loaded == cursor) return true;
  return false;
}

// The monochrome mask: a set bit where the pixel is transparent; rows padded to 16 bits.
std::vector<std::uint8_t> MaskBits(const gdi::DecodedImage& image) {
  const int stride = (image.width + 15) / 16 * 2;
  std::vector<std::uint8_t> bits(std::size_t(stride) * std::size_t(image.height), 0);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if ((image.Pixel(x, y) >> 24) == 0) bits[std::size_t(y * stride + x / 8)] |= std::uint8_t(0x80 >> (x % 8));
  return bits;
}

HCURSOR CursorFromImage(const gdi::DecodedImage& image) {
  const std::vector<std::uint8_t> mask = MaskBits(image);
  ICONINFO info{FALSE, DWORD(image.hotSpotX), DWORD(image.hotSpotY),
                CreateBitmap(image.width, image.height, 1, 1, mask.data()),
                CreateBitmap(image.width, image.height, 1, 32, image.pixels.data())};
  HCURSOR cursor = CreateIconIndirect(&info);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  return cursor;
}

HCURSOR Decode(const EmbeddedResource& resource) {
  const std::span<const std::uint8_t> file(resource.data, resource.size);
  const auto image = gdi::DecodeIcon(file, GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR), 32);
  return image ? CursorFromImage(image.value) : nullptr;
}

}  // namespace

HCURSOR LoadResourceCursor(const char* name) {
  if (name == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  const std::string key = ResourceName(name);
  Shared& shared = Loaded();
  std::lock_guard lock(shared.mutex);
  if (auto it = shared.byName.find(key); it != shared.byName.end()) return it->second;
  const EmbeddedResource* resource = FindEmbeddedResource(RT_CURSOR, key);
  if (resource == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  HCURSOR cursor = Decode(*resource);
  if (cursor == nullptr) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return nullptr;
  }
  shared.byName.emplace(key, cursor);
  return cursor;
}

}  // namespace user

// The platform's monochrome cursor: one mask twice as tall, the AND plane above the XOR plane.
HCURSOR CreateCursor(HINSTANCE, int xHotSpot, int yHotSpot, int width, int height, const void* andPlane,
                     const void* xorPlane) {
  if (width <= 0 || height <= 0 || andPlane == nullptr || xorPlane == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const std::size_t plane = std::size_t((width + 15) / 16 * 2) * std::size_t(height);
  std::vector<std::uint8_t> bits(2 * plane);
  std::memcpy(bits.data(), andPlane, plane);
  std::memcpy(bits.data() + plane, xorPlane, plane);
  ICONINFO info{FALSE, DWORD(xHotSpot), DWORD(yHotSpot), CreateBitmap(width, 2 * height, 1, 1, bits.data()), nullptr};
  HCURSOR cursor = CreateIconIndirect(&info);
  DeleteObject(info.hbmMask);
  return cursor;
}

BOOL DestroyCursor(HCURSOR cursor) {
  if (user::StandardCursorId(cursor) != 0 || user::IsShared(cursor)) return TRUE;
  return DestroyIcon(cursor);
}
