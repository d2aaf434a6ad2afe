#include "platform/user/resource_bitmap.h"

#include <span>

#include "platform/core/win_errors.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/os/embedded_resources.h"
#include "platform/os/os_error.h"
#include "platform/user/resource_name.h"

HBITMAP LoadBitmapA(HINSTANCE, const char* name) {
  const EmbeddedResource* resource =
      name == nullptr ? nullptr : FindEmbeddedResource(RT_BITMAP, user::ResourceName(name));
  if (resource == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  const auto image = gdi::DecodeBmp(std::span<const std::uint8_t>(resource->data, resource->size));
  if (!image) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return nullptr;
  }
  return CreateBitmap(image.value.width, image.value.height, 1, 32, image.value.pixels.data());
}
