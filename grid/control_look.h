// TControlLook (the string grid's ControlLook): how the controls drawn in cells look: check boxes
// and radio buttons (style, sizes, glyphs), drop-down buttons, progress bars, comment marks, and
// the fixed cells' gradient.  Setting a look property repaints the grid; FixedGradientFrom and
// FixedGradientTo are handed to the grid (which repaints) unless clNone.  It owns its four glyphs
// (setting one copies the picture).  Assign copies CheckSize, RadioSize, ControlStyle, the glyphs,
// the progress margins, CommentColor, Color, ProgressBorderColor, CheckAlwaysActive and
// RadioAlwaysActive from another TControlLook, field by field; any other source is ignored.
//
// The look's style enumeration is ProGrid::TControlStyle: the class library's TControlStyle (the
// set of a control's style flags) holds the global name.
#pragma once

#include <memory>

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"
#include "platform/ui/colors.h"

class TBitmap;
class TProStringGrid;

namespace ProGrid {
// csFlat makes the row check box transparent; csTheme draws through the visual style.
PR_ENUM(TControlStyle, csClassic, csFlat, csWinXP, csVarlund, csDAV, csGlyph, csTheme)
}   // namespace ProGrid

class TControlLook : public TPersistent {
  PR_CLASS(TControlLook, TPersistent)

 public:
  explicit TControlLook(TProStringGrid* AGrid);
  ~TControlLook() override;

  void Assign(TPersistent* Source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  TColor CommentColor() const { return commentColor_; }
  void SetCommentColor(TColor Value);
  TBitmap* CheckedGlyph() const { return checkedGlyph_.get(); }
  void SetCheckedGlyph(TBitmap* Value);
  TBitmap* UnCheckedGlyph() const { return unCheckedGlyph_.get(); }
  void SetUnCheckedGlyph(TBitmap* Value);
  TBitmap* RadioOnGlyph() const { return radioOnGlyph_.get(); }
  void SetRadioOnGlyph(TBitmap* Value);
  TBitmap* RadioOffGlyph() const { return radioOffGlyph_.get(); }
  void SetRadioOffGlyph(TBitmap* Value);
  Integer CheckSize() const { return checkSize_; }   // pixels
  void SetCheckSize(Integer Value);
  Integer RadioSize() const { return radioSize_; }   // pixels
  void SetRadioSize(Integer Value);
  ProGrid::TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(ProGrid::TControlStyle Value);
  bool DropDownAlwaysVisible() const { return dropDownAlwaysVisible_; }
  void SetDropDownAlwaysVisible(bool Value);
  bool FlatButton() const { return flatButton_; }
  void SetFlatButton(bool Value);
  bool NoDisabledCheckRadioLook() const { return noDisabledCheckRadioLook_; }
  void SetNoDisabledCheckRadioLook(bool Value);
  bool NoDisabledButtonLook() const { return noDisabledButtonLook_; }
  void SetNoDisabledButtonLook(bool Value);
  Integer ProgressMarginX() const { return progressMarginX_; }
  void SetProgressMarginX(Integer Value);
  Integer ProgressMarginY() const { return progressMarginY_; }
  void SetProgressMarginY(Integer Value);
  bool ProgressXP() const { return progressXP_; }
  void SetProgressXP(bool Value);
  TColor FixedGradientFrom() const { return fixedGradientFrom_; }
  void SetFixedGradientFrom(TColor Value);
  TColor FixedGradientTo() const { return fixedGradientTo_; }
  void SetFixedGradientTo(TColor Value);

 private:
  template <class T>
  void Change(T& Field, T Value);
  void ChangeGlyph(TBitmap* Glyph, TBitmap* Value);

  TProStringGrid* grid_;
  TColor color_ = clBlack;
  TColor commentColor_ = clRed;
  std::unique_ptr<TBitmap> checkedGlyph_;
  std::unique_ptr<TBitmap> unCheckedGlyph_;
  std::unique_ptr<TBitmap> radioOnGlyph_;
  std::unique_ptr<TBitmap> radioOffGlyph_;
  Integer checkSize_ = 15;
  Integer radioSize_ = 10;
  ProGrid::TControlStyle controlStyle_ = ProGrid::csWinXP;
  bool dropDownAlwaysVisible_ = false;
  bool flatButton_ = false;
  bool noDisabledCheckRadioLook_ = false;
  bool noDisabledButtonLook_ = false;
  Integer progressMarginX_ = 2;
  Integer progressMarginY_ = 2;
  bool progressXP_ = false;
  TColor fixedGradientFrom_ = clNone;
  TColor fixedGradientTo_ = clNone;

  // Stored without a repaint.
  PR_STORED_PROPERTY(bool, CheckAlwaysActive, false)
  PR_STORED_PROPERTY(bool, RadioAlwaysActive, false)
  PR_STORED_PROPERTY(TColor, ProgressBorderColor, clGray)
};
