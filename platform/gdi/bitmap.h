// Bitmaps: device-dependent bitmaps, DIB sections, and moving pixels to and from DIB memory.
//
// CreateBitmap makes monochrome bitmaps (1 bit per pixel) and display-format bitmaps (32 bits,
// initial bits of 24 or 32 bits per pixel converted); CreateCompatibleBitmap makes a bitmap like
// the context's target: monochrome for a memory context still holding its stock bitmap, 32 bits
// otherwise; a zero size gives the 1 x 1 monochrome stock bitmap.  Device bitmaps start black.
// CreateDIBSection makes a bitmap whose bits the program may read and write directly (1, 4, 8,
// 24 or 32 bits, the header's row order); drawing on it changes those same bits.
//
// GetDIBits, SetDIBits, SetDIBitsToDevice and StretchDIBits convert between a bitmap and DIB rows
// of 1, 4, 8, 16, 24 or 32 bits (dib_format.h).  Reading into 8 bits or fewer writes the colour
// table: the bitmap's own for a DIB section of that depth, else black and white, the 16 classic
// colours or the default 256 colours.  32-bit rows carry the alpha byte both ways.
#pragma once

#include "platform/gdi/gdi_types.h"

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HBITMAP CreateBitmapIndirect(const BITMAP* bitmap);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD offset);
// A device bitmap initialised from DIB rows when init has CBM_INIT.
HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
                       UINT usage);

// Rows start .. start + lines - 1 counted from the bottom of a bottom-up DIB (from the top of a
// top-down one), as the platform counts them.  With bits == null GetDIBits only fills in the header
// (size, biSizeImage) and the colour table.  Both return the number of rows copied, 0 on failure.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage);
int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info, UINT usage);
// Copies DIB rows to a context without scaling; returns the rows drawn.
int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int xSrc, int ySrc, UINT start, UINT lines,
                      const void* bits, const BITMAPINFO* info, UINT usage);
// Draws a DIB stretched with a raster operation (source coordinates from the top-left of the
// image); returns the rows drawn or 0.
int StretchDIBits(HDC dc, int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth, int srcHeight,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);

// The rows of a device bitmap, top-down, padded to 2 bytes.
LONG GetBitmapBits(HBITMAP bitmap, LONG size, void* bits);
LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits);
BOOL SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, TSize* old);
BOOL GetBitmapDimensionEx(HBITMAP bitmap, TSize* size);
// The colour table of the DIB section selected into the context.
UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colors);
UINT SetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colors);
