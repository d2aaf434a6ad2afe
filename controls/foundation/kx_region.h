// TkxRegion: an owned region handle of the drawing layer and the arithmetic the canvas's clipping
// does with it.  The region is deleted with the object (or by ReleaseHandle).
//
// Operations are numbered as they are stored: 0 copy, 1 add, 2 subtract, 3 intersect (CombineRgn's
// RGN_COPY, RGN_OR, RGN_DIFF, RGN_AND).  A region passed by reference is left to its owner; one
// passed as a unique_ptr is freed once it has been used.
#pragma once

#include <memory>

#include "platform/gdi/gdi_types.h"

enum TkxRegionOperation : Byte { roCopy = 0, roAdd = 1, roSubtract = 2, roIntersect = 3 };

class TkxRegion {
 public:
  // Takes the handle over.
  explicit TkxRegion(HRGN Handle) : handle_(Handle) {}
  ~TkxRegion() { ReleaseHandle(); }
  TkxRegion(const TkxRegion&) = delete;
  TkxRegion& operator=(const TkxRegion&) = delete;

  static std::unique_ptr<TkxRegion> CreateFromHandle(HRGN Handle);
  static std::unique_ptr<TkxRegion> CreateFromRect(const TRect& R);
  static std::unique_ptr<TkxRegion> CreateFromCoords(Integer Left, Integer Top, Integer Right, Integer Bottom);
  // The rectangle (0, 0, 0, 0).
  static std::unique_ptr<TkxRegion> CreateEmpty();

  HRGN Handle() const { return handle_; }
  // roCopy: this becomes a copy of Other; otherwise this = this op Other.
  void CombineWith(const TkxRegion& Other, TkxRegionOperation Operation);
  void CombineWith(std::unique_ptr<TkxRegion> Other, TkxRegionOperation Operation) { CombineWith(*Other, Operation); }
  void Offset(Integer DX, Integer DY);
  // Deletes the handle when there is one.
  void ReleaseHandle();

 private:
  HRGN handle_;
};
