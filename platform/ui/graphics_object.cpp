#include "platform/ui/graphics_object.h"

#include "platform/classes/publisher.h"
#include "platform/gdi/gdi_objects.h"

PR_IMPLEMENT_CLASS(TGraphicsObject)

TGraphicsObject::~TGraphicsObject() { ReplaceHandle(nullptr); }

void TGraphicsObject::Changing() { OnChanging(this); }

void TGraphicsObject::Changed() {
  ReplaceHandle(nullptr);
  OnChange(this);
}

void* TGraphicsObject::CachedHandle() {
  if (handle_ == nullptr) handle_ = MakeHandle();
  return handle_;
}

void TGraphicsObject::ReplaceHandle(void* Handle) {
  if (handle_ == Handle) return;
  if (handle_ != nullptr) DeleteObject(handle_);
  handle_ = Handle;
}
