// The handles, records and constants of the visual-style functions (theme_provider.h), with the
// platform's field order and sizes.
#pragma once

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/geometry.h"
#include "platform/user/user_types.h"

struct HTHEME__;
using HTHEME = HTHEME__*;
struct HPAINTBUFFER__;
using HPAINTBUFFER = HPAINTBUFFER__*;

// What GetThemePartSize measures.
enum THEMESIZE { TS_MIN, TS_TRUE, TS_DRAW };

// Where a property's value comes from (GetThemePropertyOrigin).
enum PROPERTYORIGIN { PO_STATE, PO_PART, PO_CLASS, PO_GLOBAL, PO_NOTFOUND };

struct MARGINS {
  int cxLeftWidth;
  int cxRightWidth;
  int cyTopHeight;
  int cyBottomHeight;
};

inline constexpr int MAX_INTLIST_COUNT = 402;
struct INTLIST {
  int iValueCount;
  int iValues[MAX_INTLIST_COUNT];
};

using DTT_CALLBACK_PROC = int (*)(HDC dc, WideChar* text, int textLength, RECT* rect, UINT flags, LPARAM lParam);
struct DTTOPTS {
  DWORD dwSize;
  DWORD dwFlags;
  COLORREF crText;
  COLORREF crBorder;
  COLORREF crShadow;
  int iTextShadowType;
  POINT ptShadowOffset;
  int iBorderSize;
  int iFontPropId;
  int iColorPropId;
  int iStateId;
  BOOL fApplyOverlay;
  int iGlowSize;
  DTT_CALLBACK_PROC pfnDrawTextCallback;
  LPARAM lParam;
};

enum BP_BUFFERFORMAT { BPBF_COMPATIBLEBITMAP, BPBF_DIB, BPBF_TOPDOWNDIB, BPBF_TOPDOWNMONODIB };
struct BP_PAINTPARAMS {
  DWORD cbSize;
  DWORD dwFlags;
  const RECT* prcExclude;
  const BLENDFUNCTION* pBlendFunction;
};
