// Handle types, colour values and the record layouts of the drawing layer's calls.
//
// Handles are opaque typed values (a distinct pointer type per kind, never dereferenced) issued by
// the handle table (handle_table.h); their numeric value fits in 31 bits, so code that keeps a
// handle in a 32-bit integer field loses nothing.  HGDIOBJ accepts every drawing object handle.
// COLORREF is 0x00BBGGRR.  The records keep the field names and order of the platform's calls;
// pointer-sized fields are real pointers, so a record's size is the one of this 64-bit build.
#pragma once

#include <cstdint>

#include "platform/core/types.h"
#include "platform/gdi/geometry.h"

struct HDC__;
struct HBITMAP__;
struct HPEN__;
struct HBRUSH__;
struct HRGN__;
struct HFONT__;
struct HPALETTE__;
struct HICON__;
struct HIMAGELIST__;
using HDC = HDC__*;
using HBITMAP = HBITMAP__*;
using HPEN = HPEN__*;
using HBRUSH = HBRUSH__*;
using HRGN = HRGN__*;
using HFONT = HFONT__*;
using HPALETTE = HPALETTE__*;
using HICON = HICON__*;
using HCURSOR = HICON;
using HIMAGELIST = HIMAGELIST__*;
using HGDIOBJ = void*;

using UINT = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using ULONG = std::uint32_t;
using USHORT = std::uint16_t;
using COLORREF = DWORD;
using ULONG_PTR = std::uintptr_t;

inline constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) { return COLORREF(r) | COLORREF(g) << 8 | COLORREF(b) << 16; }
inline constexpr BYTE GetRValue(COLORREF c) { return BYTE(c); }
inline constexpr BYTE GetGValue(COLORREF c) { return BYTE(c >> 8); }
inline constexpr BYTE GetBValue(COLORREF c) { return BYTE(c >> 16); }
inline constexpr COLORREF PALETTERGB(BYTE r, BYTE g, BYTE b) { return 0x02000000 | RGB(r, g, b); }
inline constexpr COLORREF PALETTEINDEX(WORD i) { return 0x01000000 | i; }

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
inline constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000;
inline constexpr int GDI_ERROR = -1;   // also HGDI_ERROR as a handle value

struct LOGPEN {
  UINT lopnStyle;
  TPoint lopnWidth;   // only X is used
  COLORREF lopnColor;
};

struct LOGBRUSH {
  UINT lbStyle;
  COLORREF lbColor;
  ULONG_PTR lbHatch;   // hatch style, or the pattern's bitmap handle / packed DIB pointer
};

struct EXTLOGPEN {
  DWORD elpPenStyle;
  DWORD elpWidth;
  UINT elpBrushStyle;
  COLORREF elpColor;
  ULONG_PTR elpHatch;
  DWORD elpNumEntries;
  DWORD elpStyleEntry[1];   // elpNumEntries entries follow in the caller's buffer
};

struct BITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;   // bytes per row, rounded to an even number for device bitmaps
  WORD bmPlanes;
  WORD bmBitsPixel;
  void* bmBits;        // only DIB sections expose their bits
};

struct RGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
};

struct PALETTEENTRY {
  BYTE peRed;
  BYTE peGreen;
  BYTE peBlue;
  BYTE peFlags;
};

struct LOGPALETTE {
  WORD palVersion;   // 0x300
  WORD palNumEntries;
  PALETTEENTRY palPalEntry[1];
};

#pragma pack(push, 2)
struct BITMAPFILEHEADER {
  WORD bfType;
  DWORD bfSize;
  WORD bfReserved1;
  WORD bfReserved2;
  DWORD bfOffBits;
};
#pragma pack(pop)

struct BITMAPINFOHEADER {
  DWORD biSize;            // 40
  LONG biWidth;
  LONG biHeight;           // negative for rows stored top-down
  WORD biPlanes;           // 1
  WORD biBitCount;         // 1, 4, 8, 16, 24 or 32
  DWORD biCompression;     // BI_RGB or BI_BITFIELDS
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
};

struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];    // the colour table (or the three BI_BITFIELDS masks) follows the header
};

struct DIBSECTION {
  BITMAP dsBm;
  BITMAPINFOHEADER dsBmih;
  DWORD dsBitfields[3];
  void* dshSection;
  DWORD dsOffset;
};

struct BLENDFUNCTION {
  BYTE BlendOp;              // AC_SRC_OVER
  BYTE BlendFlags;           // 0
  BYTE SourceConstantAlpha;  // 0..255, applied to every source pixel
  BYTE AlphaFormat;          // 0 or AC_SRC_ALPHA (source carries premultiplied per-pixel alpha)
};

using COLOR16 = USHORT;
struct TRIVERTEX {
  LONG x;
  LONG y;
  COLOR16 Red;   // 16-bit channels: byte value x 256
  COLOR16 Green;
  COLOR16 Blue;
  COLOR16 Alpha;
};

struct GRADIENT_RECT {
  ULONG UpperLeft;
  ULONG LowerRight;
};

struct GRADIENT_TRIANGLE {
  ULONG Vertex1;
  ULONG Vertex2;
  ULONG Vertex3;
};

struct RGNDATAHEADER {
  DWORD dwSize;     // 32
  DWORD iType;      // RDH_RECTANGLES
  DWORD nCount;     // rectangles that follow
  DWORD nRgnSize;   // bytes of the rectangles
  TRect rcBound;
};

struct RGNDATA {
  RGNDATAHEADER rdh;
  char Buffer[1];   // nCount TRect values
};

struct ICONINFO {
  BOOL fIcon;
  DWORD xHotspot;
  DWORD yHotspot;
  HBITMAP hbmMask;
  HBITMAP hbmColor;
};
