// Device-context state, selection bookkeeping and the effective clip; see device_context.h.
#include "platform/gdi/device_context.h"

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/path_recorder.h"
#include "platform/gdi/palette_object.h"
#include "platform/gdi/pen_object.h"
#include "platform/gdi/brush_object.h"
#include "platform/gdi/stock_objects.h"

namespace gdi {

DeviceCaps& ScreenCaps() {
  static DeviceCaps caps;
  return caps;
}

DeviceContext* FindDC(const void* handle) {
  GdiObject* object = HandleTable::Instance().Find(handle);
  if (!object || (object->Kind() != ObjectKind::DC && object->Kind() != ObjectKind::MemDC)) return nullptr;
  return static_cast<DeviceContext*>(object);
}

DeviceContext::DeviceContext(Type type, const DeviceCaps& caps) : type_(type), caps_(caps) {
  state_.pen = StockPen(BLACK_PEN);
  state_.brush = StockBrush(WHITE_BRUSH);
  state_.palette = StockPalette();
  state_.font = StockFontObject();
  if (type == Type::Memory) state_.bitmap = FindObject<BitmapObject>(StockBitmap());
  RetainState(state_);
}

DeviceContext::~DeviceContext() {
  for (const DcState& s : saved_) ReleaseState(s);
  ReleaseState(state_);
  if (surface_) HandleTable::Instance().Release(surface_);
}

void DeviceContext::RetainState(const DcState& s) {
  HandleTable& table = HandleTable::Instance();
  table.Retain({s.pen, s.brush, s.font, s.palette});
  if (s.bitmap) table.RetainExclusive(s.bitmap, this);
}

void DeviceContext::ReleaseState(const DcState& s) {
  HandleTable::Instance().Release({s.pen, s.brush, s.font, s.palette, s.bitmap});
}

template <class T>
void* DeviceContext::Swap(T*& slot, T* object) {
  T* old = slot;
  void* oldHandle = old ? HandleTable::HandleOf(old) : nullptr;   // before a pending deletion frees it
  slot = object;
  HandleTable::Instance().Reselect(object, old);
  return oldHandle;
}

void* DeviceContext::SelectPen(PenObject* pen) { return Swap(state_.pen, pen); }
void* DeviceContext::SelectBrush(BrushObject* brush) { return Swap(state_.brush, brush); }
void* DeviceContext::SelectFont(GdiObject* font) { return Swap(state_.font, font); }
void* DeviceContext::SelectPalette(PaletteObject* palette) { return Swap(state_.palette, palette); }

void* DeviceContext::SelectBitmap(BitmapObject* bitmap) {
  if (type_ != Type::Memory || !bitmap) return nullptr;
  if (!HandleTable::Instance().RetainExclusive(bitmap, this)) return nullptr;
  BitmapObject* old = state_.bitmap;
  void* oldHandle = old ? HandleTable::HandleOf(old) : nullptr;
  state_.bitmap = bitmap;
  HandleTable::Instance().Release(old);
  clipValid_ = false;
  return oldHandle;
}

int DeviceContext::Save() {
  RetainState(state_);
  saved_.push_back(state_);
  return int(saved_.size());
}

bool DeviceContext::Restore(int level) {
  const int count = int(saved_.size());
  if (level < 0) level = count + 1 + level;
  if (level < 1 || level > count) return false;
  while (int(saved_.size()) > level) {
    ReleaseState(saved_.back());
    saved_.pop_back();
  }
  ReleaseState(state_);
  state_ = std::move(saved_.back());   // its retains pass to the current state
  saved_.pop_back();
  clipValid_ = false;
  return true;
}

BitmapObject* DeviceContext::Target() const {
  switch (type_) {
    case Type::Memory: return state_.bitmap;
    case Type::Surface: return surface_;
    case Type::Display: return nullptr;
  }
  return nullptr;
}

void DeviceContext::SetSurface(BitmapObject* surface, TPoint origin, std::optional<RegionData> visible) {
  if (surface != surface_) {
    HandleTable::Instance().Retain(surface);
    HandleTable::Instance().Release(surface_);
    surface_ = surface;
  }
  origin_ = origin;
  visible_ = std::move(visible);
  clipValid_ = false;
}

RegionData DeviceContext::VisibleArea() const {
  const BitmapObject* target = Target();
  const TRect bounds = target ? TRect{0, 0, target->Width(), target->Height()}
                              : TRect{0, 0, caps_.horzRes, caps_.vertRes};
  return visible_ ? visible_->Intersect(bounds) : RegionData(bounds);
}

const RegionData& DeviceContext::EffectiveClip() const {
  if (!clipValid_) {
    clipCache_ = VisibleArea();
    if (state_.clip) clipCache_ = clipCache_.Intersect(state_.clip->Offsetted(origin_.X, origin_.Y));
    clipValid_ = true;
  }
  return clipCache_;
}

void DeviceContext::SetPath(std::unique_ptr<PathRecorder> path) { path_ = std::move(path); }

}  // namespace gdi
