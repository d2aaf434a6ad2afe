// TBackGround (the string grid's BackGround): what the cell area shows behind the cells: a bitmap
// tiled or fixed at (Left, Top), or a horizontal or vertical gradient from Color to ColorTo, over
// the normal, the fixed or all cells.  Every setter stores and repaints the grid; Bitmap copies
// the picture into the bitmap the settings own.  No Assign of its own.
#pragma once

#include <memory>

#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"
#include "platform/ui/colors.h"

class TBitmap;
class TProStringGrid;

PR_ENUM(TBackGroundDisplay, bdTile, bdFixed, bdGradientHorz, bdGradientVert)
PR_ENUM(TBackGroundCells, bcNormal, bcFixed, bcAll)

class TBackGround : public TPersistent {
  PR_CLASS(TBackGround, TPersistent)

 public:
  explicit TBackGround(TProStringGrid* AGrid);
  ~TBackGround() override;

  Integer Top() const { return top_; }
  void SetTop(Integer Value);
  Integer Left() const { return left_; }
  void SetLeft(Integer Value);
  TBackGroundDisplay Display() const { return display_; }
  void SetDisplay(TBackGroundDisplay Value);
  TBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TBitmap* Value);
  TBackGroundCells Cells() const { return cells_; }
  void SetCells(TBackGroundCells Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  TColor ColorTo() const { return colorTo_; }
  void SetColorTo(TColor Value);

 private:
  template <class T>
  void Change(T& Field, T Value);

  TProStringGrid* grid_;
  Integer top_ = 0;
  Integer left_ = 0;
  TBackGroundDisplay display_ = bdTile;
  std::unique_ptr<TBitmap> bitmap_;
  TBackGroundCells cells_ = bcNormal;
  TColor color_ = clWindow;
  TColor colorTo_ = clBtnFace;
};
