// The base of every object the drawing layer hands out by handle (pens, brushes, bitmaps, regions,
// palettes, fonts, device contexts, icons, image lists).
//
// An object is owned by the handle table (handle_table.h).  Selection bookkeeping lives here: an
// object selected into a device context, or held by one of its saved states, has a selection count
// above zero.  Deleting such a pen, brush, font or palette only marks it; the table frees it when
// its last selection ends.  Stock objects are never freed.
#pragma once

#include <cstdint>

namespace gdi {

// The object kinds; the values up to 14 are the platform's OBJ_* numbers that GetObjectType reports.
enum class ObjectKind : std::uint8_t {
  Pen = 1,
  Brush = 2,
  DC = 3,
  Palette = 5,
  Font = 6,
  Bitmap = 7,
  Region = 8,
  MemDC = 10,
  ExtPen = 11,
  Icon = 20,
  ImageList = 21,
};

class GdiObject {
 public:
  virtual ~GdiObject() = default;
  GdiObject() = default;
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  virtual ObjectKind Kind() const = 0;
  // Copies the object's platform record (LOGPEN, BITMAP, ...) into out, at most size bytes, and
  // returns the bytes written; with out == nullptr returns the record's full size.  0 when the
  // kind has no record.  wide selects the UTF-16 form of records that hold text (LOGFONT).
  virtual int GetObjectData(int size, void* out, bool wide) const {
    (void)size;
    (void)out;
    (void)wide;
    return 0;
  }

  bool IsStock() const { return stock_; }
  void MarkStock() { stock_ = true; }

 private:
  friend class HandleTable;
  std::uint32_t handle_ = 0;
  int selections_ = 0;
  const void* owner_ = nullptr;   // the one device context holding an exclusive object (bitmaps)
  bool deletePending_ = false;
  bool stock_ = false;
};

}  // namespace gdi
