// Object calls; see gdi_objects.h.
#include "platform/gdi/gdi_objects.h"

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/handle_table.h"

using namespace gdi;

DWORD GetObjectType(HGDIOBJ object) {
  const GdiObject* o = HandleTable::Instance().Find(object);
  if (!o) return 0;
  const auto kind = static_cast<DWORD>(o->Kind());
  return kind <= 14 ? kind : 0;
}

int GetObjectA(HGDIOBJ object, int size, void* out) {
  const GdiObject* o = HandleTable::Instance().Find(object);
  return o && size >= 0 ? o->GetObjectData(out ? size : 0, out, false) : 0;
}

int GetObjectW(HGDIOBJ object, int size, void* out) {
  const GdiObject* o = HandleTable::Instance().Find(object);
  return o && size >= 0 ? o->GetObjectData(out ? size : 0, out, true) : 0;
}

BOOL DeleteObject(HGDIOBJ object) {
  HandleTable& table = HandleTable::Instance();
  const GdiObject* o = table.Find(object);
  if (!o) return 0;
  // Contexts, icons and image lists have their own calls (DeleteDC, DestroyIcon, ImageList_Destroy).
  if (GetObjectType(object) == 0 || o->Kind() == ObjectKind::DC || o->Kind() == ObjectKind::MemDC) return 0;
  if (o->Kind() == ObjectKind::Bitmap && !o->IsStock() && table.IsSelected(o)) return 0;
  return table.Delete(object) ? 1 : 0;
}

BOOL UnrealizeObject(HGDIOBJ object) { return HandleTable::Instance().Find(object) ? 1 : 0; }
