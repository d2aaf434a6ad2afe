// TCellGraphic; see cell_graphic.h.
#include "grid/cell_graphic.h"

#include <algorithm>
#include <cmath>

#include "grid/file_picture.h"
#include "platform/classes/publisher.h"
#include "platform/ui/graphic.h"
#include "platform/ui/icon.h"
#include "platform/ui/picture.h"

PR_PUBLISH(TCellGraphic) {
  p.Property("CellType", &TCellGraphic::CellType, &TCellGraphic::SetCellType).NoDefault();
  p.Property("CellVAlign", &TCellGraphic::CellVAlign, &TCellGraphic::SetCellVAlign).NoDefault();
  p.Property("CellHAlign", &TCellGraphic::CellHAlign, &TCellGraphic::SetCellHAlign).NoDefault();
  p.Property("CellIndex", &TCellGraphic::CellIndex, &TCellGraphic::SetCellIndex).NoDefault();
  p.Property("CellTransparent", &TCellGraphic::CellTransparent, &TCellGraphic::SetCellTransparent).NoDefault();
  p.Property("CellCreated", &TCellGraphic::CellCreated, &TCellGraphic::SetCellCreated).NoDefault();
  p.Property("CellBoolean", &TCellGraphic::CellBoolean, &TCellGraphic::SetCellBoolean).NoDefault();
  p.Property("CellAngle", &TCellGraphic::CellAngle, &TCellGraphic::SetCellAngle).NoDefault();
  p.Property("CellValue", &TCellGraphic::CellValue, &TCellGraphic::SetCellValue);
  p.Property("CellErrFrom", &TCellGraphic::CellErrFrom, &TCellGraphic::SetCellErrFrom).NoDefault();
  p.Property("CellErrLen", &TCellGraphic::CellErrLen, &TCellGraphic::SetCellErrLen).NoDefault();
  p.Property("CellText", &TCellGraphic::CellText, &TCellGraphic::SetCellText);
}

TCellGraphic::~TCellGraphic() {
  switch (cellType_) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
      if (cellCreated_) delete cellBitmap_;
      break;
    case ctImages:
      delete cellBitmap_;
      break;
    case ctIcon:
      if (cellCreated_) delete cellIcon_;
      break;
    default:
      break;
  }
}

void TCellGraphic::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCellGraphic*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  cellType_ = source->cellType_;
  cellVAlign_ = source->cellVAlign_;
  cellHAlign_ = source->cellHAlign_;
  cellIndex_ = source->cellIndex_;
  cellTransparent_ = source->cellTransparent_;
  cellCreated_ = source->cellCreated_;
  cellBoolean_ = source->cellBoolean_;
  cellAngle_ = source->cellAngle_;
  cellValue_ = source->cellValue_;
  cellErrFrom_ = source->cellErrFrom_;
  cellErrLen_ = source->cellErrLen_;
  cellText_ = source->cellText_;
}

namespace {

// The picture's own size, as a picture or any graphic.
TPoint OwnPictureSize(TObject* Object) {
  if (const auto* picture = dynamic_cast<TPicture*>(Object)) return {picture->Width(), picture->Height()};
  if (const auto* graphic = dynamic_cast<TGraphic*>(Object)) return {graphic->Width(), graphic->Height()};
  if (const auto* file = dynamic_cast<TFilePicture*>(Object)) return {file->Width(), file->Height()};
  return {0, 0};
}

Integer Rounded(double Value) { return static_cast<Integer>(std::lround(Value)); }

}   // namespace

TPoint TCellGraphic::GetPictureSize(Integer AvailWidth, Integer AvailHeight) const {
  if (cellType_ != ctPicture && cellType_ != ctFilePicture) return {0, 0};
  const TPoint own = OwnPictureSize(cellBitmap_);
  const Integer aw = AvailWidth - cellIndex_;
  const Integer ah = AvailHeight - cellIndex_;
  const bool fits = aw >= own.X && ah >= own.Y;
  double rw = own.X > 0 ? static_cast<double>(aw) / own.X : 1;
  double rh = own.Y > 0 ? static_cast<double>(ah) / own.Y : 1;
  switch (cellAngle_) {
    case 0:
      return own;
    case 1:
      return {aw, ah};
    case 3:
      return fits ? own : TPoint{aw, ah};
    case 4:
      if (fits) return own;
      rw = std::min(rw, 1.0);
      rh = std::min(rh, 1.0);
      break;
    case 2:
      break;
    default:
      return own;
  }
  if (rw >= rh) return {Rounded(own.X * rh), ah};
  return {aw, Rounded(own.Y * rw)};
}
