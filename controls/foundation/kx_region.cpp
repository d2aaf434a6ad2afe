#include "controls/foundation/kx_region.h"

#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"

namespace {

int CombineModeOf(TkxRegionOperation Operation) {
  static constexpr int kModes[] = {RGN_COPY, RGN_OR, RGN_DIFF, RGN_AND};
  return kModes[Operation];
}

}  // namespace

std::unique_ptr<TkxRegion> TkxRegion::CreateFromHandle(HRGN Handle) { return std::make_unique<TkxRegion>(Handle); }

std::unique_ptr<TkxRegion> TkxRegion::CreateFromRect(const TRect& R) {
  return CreateFromHandle(CreateRectRgnIndirect(&R));
}

std::unique_ptr<TkxRegion> TkxRegion::CreateFromCoords(Integer Left, Integer Top, Integer Right, Integer Bottom) {
  return CreateFromHandle(CreateRectRgn(Left, Top, Right, Bottom));
}

std::unique_ptr<TkxRegion> TkxRegion::CreateEmpty() { return CreateFromCoords(0, 0, 0, 0); }

void TkxRegion::CombineWith(const TkxRegion& Other, TkxRegionOperation Operation) {
  if (Operation == roCopy) CombineRgn(handle_, Other.handle_, nullptr, RGN_COPY);
  else CombineRgn(handle_, handle_, Other.handle_, CombineModeOf(Operation));
}

void TkxRegion::Offset(Integer DX, Integer DY) { OffsetRgn(handle_, DX, DY); }

void TkxRegion::ReleaseHandle() {
  if (handle_ != nullptr) DeleteObject(handle_);
  handle_ = nullptr;
}
