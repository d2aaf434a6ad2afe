// TCellGraphic; see cell_graphic.h.
#include "grid/cell_graphic.h"

#include "platform/classes/publisher.h"
#include "platform/ui/icon.h"

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
