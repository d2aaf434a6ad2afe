// The drag image: a copy of the tracked image (and of the cursor image merged into it) shown in a
// window of its own that follows the drag.
#include "platform/user/image_list_drag.h"

#include <algorithm>
#include <memory>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/image_list.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/region.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/layered_window.h"
#include "platform/user/message_ids.h"
#include "platform/user/painting.h"
#include "platform/user/window_class.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_region.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

constexpr char kWindowClass[] = "DragImageWindow";

// An image with its shape (the opaque pixels) and hot spot, in the image's own coordinates.
class Picture {
 public:
  Picture(int width, int height, TPoint hotspot)
      : width_(width), height_(height), hotspot_(hotspot), bits_(CreateBitmap(width, height, 1, 32, nullptr)),
        shape_(CreateRectRgn(0, 0, 0, 0)) {}
  ~Picture() {
    DeleteObject(bits_);
    DeleteObject(shape_);
  }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  TPoint Hotspot() const { return hotspot_; }
  HBITMAP Bits() const { return bits_; }
  HRGN Shape() const { return shape_; }

 private:
  int width_;
  int height_;
  TPoint hotspot_;
  HBITMAP bits_;
  HRGN shape_;
};

// A memory context drawing on one bitmap for its lifetime.
class BitmapDc {
 public:
  explicit BitmapDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), old_(SelectObject(dc_, bitmap)) {}
  ~BitmapDc() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  BitmapDc(const BitmapDc&) = delete;
  BitmapDc& operator=(const BitmapDc&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

void AddRect(HRGN region, int left, int top, int right, int bottom) {
  HRGN part = CreateRectRgn(left, top, right, bottom);
  CombineRgn(region, region, part, RGN_OR);
  DeleteObject(part);
}

// The opaque pixels of an image: the black pixels of its mask drawn alone, row by row in runs.
void ReadShape(HIMAGELIST list, int index, Picture& picture) {
  IMAGEINFO info{};
  ImageList_GetImageInfo(list, index, &info);
  if (info.hbmMask == nullptr) return AddRect(picture.Shape(), 0, 0, picture.Width(), picture.Height());
  HBITMAP mask = CreateBitmap(picture.Width(), picture.Height(), 1, 32, nullptr);
  {
    BitmapDc dc(mask);
    ImageList_Draw(list, index, dc, 0, 0, ILD_MASK);
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width();) {
        if (GetPixel(dc, x, y) != RGB(0, 0, 0)) {
          ++x;
          continue;
        }
        const int start = x;
        while (x < picture.Width() && GetPixel(dc, x, y) == RGB(0, 0, 0)) ++x;
        AddRect(picture.Shape(), start, y, x, y + 1);
      }
    }
  }
  DeleteObject(mask);
}

std::unique_ptr<Picture> ReadPicture(HIMAGELIST list, int index, TPoint hotspot) {
  int width = 0, height = 0;
  if (index < 0 || index >= ImageList_GetImageCount(list) || !ImageList_GetIconSize(list, &width, &height))
    return nullptr;
  auto picture = std::make_unique<Picture>(width, height, hotspot);
  {
    BitmapDc dc(picture->Bits());
    ImageList_Draw(list, index, dc, 0, 0, ILD_IMAGE);
  }
  ReadShape(list, index, *picture);
  return picture;
}

// Draws `part` on `dc` at (x, y), its opaque pixels only, and adds its shape to `shape`.
void Stamp(HDC dc, HRGN shape, const Picture& part, int x, int y) {
  HRGN clip = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(clip, part.Shape(), nullptr, RGN_COPY);
  OffsetRgn(clip, x, y);
  SelectClipRgn(dc, clip);
  {
    BitmapDc source(part.Bits());
    BitBlt(dc, x, y, part.Width(), part.Height(), source, 0, 0, SRCCOPY);
  }
  SelectClipRgn(dc, nullptr);
  CombineRgn(shape, shape, clip, RGN_OR);
  DeleteObject(clip);
}

// The drag image with the cursor image over it, the two hot spots on one point.
std::unique_ptr<Picture> Merge(const Picture& track, const Picture& cursor) {
  const int dx = track.Hotspot().X - cursor.Hotspot().X;   // the cursor image's corner in the track's
  const int dy = track.Hotspot().Y - cursor.Hotspot().Y;
  const int left = std::min(0, dx), top = std::min(0, dy);
  const int right = std::max(track.Width(), dx + cursor.Width());
  const int bottom = std::max(track.Height(), dy + cursor.Height());
  auto merged = std::make_unique<Picture>(right - left, bottom - top,
                                          TPoint{track.Hotspot().X - left, track.Hotspot().Y - top});
  BitmapDc dc(merged->Bits());
  Stamp(dc, merged->Shape(), track, -left, -top);
  Stamp(dc, merged->Shape(), cursor, dx - left, dy - top);
  return merged;
}

struct Drag {
  std::unique_ptr<Picture> track;
  std::unique_ptr<Picture> shown;    // track with the cursor image merged in, or null: track alone
  HWND window = nullptr;
  HWND lock = nullptr;
  bool locked = false;
  bool visible = false;
  TPoint at;                         // the hot spot, relative to the lock window's corner

  const Picture& Image() const { return shown != nullptr ? *shown : *track; }
};

std::unique_ptr<Drag>& Current() {
  static std::unique_ptr<Drag> drag;
  return drag;
}

LRESULT DragImageWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(hwnd, &paint);
      if (Current() != nullptr) {
        const Picture& image = Current()->Image();
        BitmapDc source(image.Bits());
        BitBlt(dc, 0, 0, image.Width(), image.Height(), source, 0, 0, SRCCOPY);
      }
      EndPaint(hwnd, &paint);
      return 0;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateDragImageWindow() {
  const bool registered = user::EnsureClassRegistered(user::ClassRecord(kWindowClass, &DragImageWindowProc));
  if (!registered) return nullptr;
  HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT,
                                kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (window != nullptr) SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
  return window;
}

// Gives the window the image's shape and repaints it.
void Reshape(Drag& drag) {
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(shape, drag.Image().Shape(), nullptr, RGN_COPY);
  SetWindowRgn(drag.window, shape, FALSE);
  InvalidateRect(drag.window, nullptr, FALSE);
}

// Shows the window with the image's hot spot on the drag's point, or hides it.
void Place(Drag& drag) {
  if (!drag.locked || !drag.visible) {
    ShowWindow(drag.window, SW_HIDE);
    return;
  }
  TRect origin{};
  if (drag.lock != nullptr && drag.lock != GetDesktopWindow()) GetWindowRect(drag.lock, &origin);
  const Picture& image = drag.Image();
  SetWindowPos(drag.window, HWND_TOPMOST, origin.Left + drag.at.X - image.Hotspot().X,
               origin.Top + drag.at.Y - image.Hotspot().Y, image.Width(), image.Height(),
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

}  // namespace

BOOL ImageList_BeginDrag(HIMAGELIST track, int index, int dxHotspot, int dyHotspot) {
  if (Current() != nullptr) return FALSE;
  auto picture = ReadPicture(track, index, TPoint{dxHotspot, dyHotspot});
  if (picture == nullptr) return FALSE;
  auto drag = std::make_unique<Drag>();
  drag->track = std::move(picture);
  drag->window = CreateDragImageWindow();
  if (drag->window == nullptr) return FALSE;
  Current() = std::move(drag);
  Reshape(*Current());
  return TRUE;
}

BOOL ImageList_DragEnter(HWND lock, int x, int y) {
  Drag* drag = Current().get();
  if (drag == nullptr) return FALSE;
  drag->lock = lock;
  drag->locked = true;
  drag->visible = true;
  drag->at = TPoint{x, y};
  Place(*drag);
  return TRUE;
}

BOOL ImageList_DragMove(int x, int y) {
  Drag* drag = Current().get();
  if (drag == nullptr) return FALSE;
  drag->at = TPoint{x, y};
  Place(*drag);
  return TRUE;
}

BOOL ImageList_DragLeave(HWND) {
  Drag* drag = Current().get();
  if (drag == nullptr) return FALSE;
  drag->locked = false;
  Place(*drag);
  return TRUE;
}

BOOL ImageList_DragShowNolock(BOOL show) {
  Drag* drag = Current().get();
  if (drag == nullptr) return FALSE;
  drag->visible = show != FALSE;
  Place(*drag);
  return TRUE;
}

void ImageList_EndDrag() {
  std::unique_ptr<Drag> drag = std::move(Current());
  if (drag != nullptr) DestroyWindow(drag->window);
}

BOOL ImageList_SetDragCursorImage(HIMAGELIST cursorList, int index, int dxHotspot, int dyHotspot) {
  Drag* drag = Current().get();
  if (drag == nullptr) return FALSE;
  auto cursor = ReadPicture(cursorList, index, TPoint{dxHotspot, dyHotspot});
  if (cursor == nullptr) return FALSE;
  drag->shown = Merge(*drag->track, *cursor);
  Reshape(*drag);
  Place(*drag);
  return TRUE;
}

namespace user {

HWND DragImageWindow() { return Current() != nullptr ? Current()->window : nullptr; }

}  // namespace user
