// Image lists: a row of equally sized images in one bitmap, with an optional monochrome mask
// (1 = transparent), drawn with the list's or the caller's background and blend colours.
//
// Storage: image i is the rectangle (i * cx, 0, (i + 1) * cx, cy) of the image bitmap (a 32-bit
// DIB section for ILC_COLOR32, a DIB section of the asked depth for 4, 8 and 24 bits (16 is kept as
// 24), a 32-bit device bitmap for ILC_COLOR and ILC_COLORDDB) and of the mask (a monochrome
// device bitmap, with ILC_MASK).  ImageList_GetImageInfo hands out those bitmaps; they belong to
// the list and change when the list grows.
//
// Drawing (ImageList_Draw / ImageList_DrawEx) composes each pixel:
// - ILD_MASK draws the mask alone, as a monochrome blit does (0 in the text colour, 1 in the
//   background colour);
// - masked pixels (lists with a mask, unless ILD_IMAGE) show the background colour, or the
//   destination when that colour is CLR_NONE or ILD_TRANSPARENT is given (CLR_DEFAULT: the list's
//   background colour);
// - a 32-bit image with any nonzero alpha byte is blended over the destination with straight alpha
//   (d = s * a / 255 + d * (255 - a) / 255, rounded), its mask unused;
// - ILD_BLEND25 / ILD_BLEND50 mix the foreground colour into the image's pixels, 25% and 50%
//   ((3 * image + colour + 2) / 4, (image + colour + 1) / 2 per channel; CLR_DEFAULT is the
//   highlight colour);
// - an overlay (INDEXTOOVERLAYMASK(n), set by ImageList_SetOverlayImage) is then drawn over it
//   transparently.
// dx and dy (0 = whole image) draw only the top-left part of the image.
#pragma once

#include "platform/gdi/gdi_types.h"

inline constexpr UINT ILC_MASK = 0x0001, ILC_COLOR = 0x0000, ILC_COLORDDB = 0x00FE, ILC_COLOR4 = 0x0004,
                      ILC_COLOR8 = 0x0008, ILC_COLOR16 = 0x0010, ILC_COLOR24 = 0x0018, ILC_COLOR32 = 0x0020;
inline constexpr UINT ILD_NORMAL = 0x0000, ILD_TRANSPARENT = 0x0001, ILD_MASK = 0x0010, ILD_IMAGE = 0x0020,
                      ILD_ROP = 0x0040, ILD_BLEND25 = 0x0002, ILD_BLEND50 = 0x0004, ILD_OVERLAYMASK = 0x0F00,
                      ILD_PRESERVEALPHA = 0x1000, ILD_SCALE = 0x2000, ILD_DPISCALE = 0x4000,
                      ILD_SELECTED = ILD_BLEND50, ILD_FOCUS = ILD_BLEND25, ILD_BLEND = ILD_BLEND50;
inline constexpr UINT INDEXTOOVERLAYMASK(UINT i) { return i << 8; }
inline constexpr UINT ILCF_MOVE = 0x0000, ILCF_SWAP = 0x0001;

struct IMAGEINFO {
  HBITMAP hbmImage;
  HBITMAP hbmMask;
  int Unused1;
  int Unused2;
  TRect rcImage;
};

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_SetImageCount(HIMAGELIST list, UINT count);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// Changes the image size and removes every image.
BOOL ImageList_SetIconSize(HIMAGELIST list, int cx, int cy);
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);
COLORREF ImageList_GetBkColor(HIMAGELIST list);
// The ILC_ flags the list was made with (0 for a bad handle).
UINT ImageList_GetFlags(HIMAGELIST list);

// Adds as many images as the bitmap is wide (a partial last image is dropped); returns the index of
// the first one, or -1.  The mask may be null (the images are opaque).
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// The mask is made from the pixels of `maskColor`, which turn black in the image.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor);
BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask);
// index -1 replaces nothing and adds the icon; returns the index or -1.
int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon);
inline int ImageList_AddIcon(HIMAGELIST list, HICON icon) { return ImageList_ReplaceIcon(list, -1, icon); }
// index -1 removes every image.
BOOL ImageList_Remove(HIMAGELIST list, int index);
BOOL ImageList_Copy(HIMAGELIST destination, int to, HIMAGELIST source, int from, UINT flags);
HIMAGELIST ImageList_Duplicate(HIMAGELIST list);
BOOL ImageList_SetOverlayImage(HIMAGELIST list, int image, int overlay);
BOOL ImageList_GetImageInfo(HIMAGELIST list, int index, IMAGEINFO* info);
HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags);

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int dx, int dy, COLORREF background,
                      COLORREF foreground, UINT style);
