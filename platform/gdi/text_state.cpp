// Text alignment, character extra and justification; see text_state.h.
#include "platform/gdi/text_state.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/text_constants.h"

using namespace gdi;

namespace {
constexpr int kInvalidExtra = int(0x80000000u);
}

UINT SetTextAlign(HDC dc, UINT align) {
  DeviceContext* c = FindDC(dc);
  if (!c) return UINT(GDI_ERROR);
  const UINT old = c->State().textAlign;
  c->State().textAlign = align & TA_MASK;
  return old;
}

UINT GetTextAlign(HDC dc) {
  const DeviceContext* c = FindDC(dc);
  return c ? c->State().textAlign : UINT(GDI_ERROR);
}

int SetTextCharacterExtra(HDC dc, int extra) {
  DeviceContext* c = FindDC(dc);
  if (!c) return kInvalidExtra;
  const int old = c->State().charExtra;
  c->State().charExtra = extra;
  return old;
}

int GetTextCharacterExtra(HDC dc) {
  const DeviceContext* c = FindDC(dc);
  return c ? c->State().charExtra : kInvalidExtra;
}

BOOL SetTextJustification(HDC dc, int breakExtra, int breakCount) {
  DeviceContext* c = FindDC(dc);
  if (!c) return 0;
  c->State().breakExtra = breakCount > 0 ? breakExtra : 0;
  c->State().breakCount = breakCount > 0 ? breakCount : 0;
  return 1;
}
