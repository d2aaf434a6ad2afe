// GDI+, the flat calls the system's picture classes use: start-up and shutdown, its allocator, a
// graphics object on a device context, images loaded from a COM stream, their raw format and size,
// and drawing an image into a rectangle.
//
// Images are decoded when loaded, through the drawing layer's codecs (BMP, icons, PNG, JPEG, the
// first frame of a GIF) within its decode limits (docs/platform-image-codecs.md).  The raw format
// comes from the data's signature; TIFF, EMF and WMF are recognised but have no decoder here:
// they load with their format, report 0 x 0 and draw nothing.  Drawing is antialiased (bilinear
// over cairo), blended by the image's alpha, to whole pixels: the rectangle's edges are rounded.
//
// Every call except GdipAlloc and GdipFree answers GdiplusNotInitialized while no start-up is in
// force.  Start-ups are counted; each token is shut down once.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi/gdi_types.h"
#include "platform/shims/global_stream.h"

using REAL = float;

enum class GpStatus : int {
  Ok = 0, GenericError = 1, InvalidParameter = 2, OutOfMemory = 3, ObjectBusy = 4, InsufficientBuffer = 5,
  NotImplemented = 6, Win32Error = 7, WrongState = 8, Aborted = 9, FileNotFound = 10, ValueOverflow = 11,
  AccessDenied = 12, UnknownImageFormat = 13, FontFamilyNotFound = 14, FontStyleNotFound = 15,
  NotTrueTypeFont = 16, UnsupportedGdiplusVersion = 17, GdiplusNotInitialized = 18,
};

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
  friend bool operator==(const GUID&, const GUID&) = default;
};

// The raw formats, {B96B3CA9..B5-0728-11D3-9D7B-0000F81EF32E}.
inline constexpr GUID ImageFormatUndefined{0xB96B3CA9, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatMemoryBMP{0xB96B3CAA, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatBMP{0xB96B3CAB, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatEMF{0xB96B3CAC, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatWMF{0xB96B3CAD, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatJPEG{0xB96B3CAE, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatPNG{0xB96B3CAF, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatGIF{0xB96B3CB0, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatTIFF{0xB96B3CB1, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatEXIF{0xB96B3CB2, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
inline constexpr GUID ImageFormatIcon{0xB96B3CB5, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

using NotificationHookProc = GpStatus (*)(ULONG_PTR* token);
using NotificationUnhookProc = void (*)(ULONG_PTR token);

struct GdiplusStartupInput {
  std::uint32_t GdiplusVersion = 1;   // only 1
  void* DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = 0;
  BOOL SuppressExternalCodecs = 0;
};

// Filled when the background thread is suppressed: the caller would call the hooks around its
// message loop.  There is no background thread here; the hooks do nothing.
struct GdiplusStartupOutput {
  NotificationHookProc NotificationHook;
  NotificationUnhookProc NotificationUnhook;
};

struct GpGraphics;
struct GpImage;

// InvalidParameter without a token or input, or with the background thread suppressed and no
// output; UnsupportedGdiplusVersion for a version other than 1.
GpStatus GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
// Ends the start-up of that token; unknown tokens are ignored.
void GdiplusShutdown(ULONG_PTR token);

void* GdipAlloc(std::size_t size);
void GdipFree(void* pointer);

// InvalidParameter for a context the drawing layer does not know or no `graphics`.
GpStatus GdipCreateFromHDC(HDC dc, GpGraphics** graphics);
GpStatus GdipDeleteGraphics(GpGraphics* graphics);
// Draws the image stretched into (x, y, width, height); nothing (and Ok) for an empty rectangle;
// NotImplemented for an image without a decoder (TIFF, EMF, WMF).
GpStatus GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width, REAL height);

// Reads the stream whole, from its start.  UnknownImageFormat for data of no known signature,
// GenericError for data that a decoder refuses; *image stays null on failure.
GpStatus GdipLoadImageFromStream(IStream* stream, GpImage** image);
// The same: there is no colour management here.
GpStatus GdipLoadImageFromStreamICM(IStream* stream, GpImage** image);
GpStatus GdipGetImageRawFormat(GpImage* image, GUID* format);
GpStatus GdipGetImageWidth(GpImage* image, UINT* width);
GpStatus GdipGetImageHeight(GpImage* image, UINT* height);
GpStatus GdipDisposeImage(GpImage* image);
