// Embedded editor buttons (unit kxEdit): TkxEditButton, the settings of one button inside an
// editor's frame; TkxEditButtons, the collection the editor properties own; TkxEditButtonViewInfo,
// the layout and drawing record of one visible button for one calculation of the view data.
//
// Every change of a button or of the collection reaches the collection's OnChange (the properties
// bind it to their ButtonsChanged).  At most one button of a collection is Default.  A negative
// Width is stored as 0, the layout's natural width.
#pragma once

#include <memory>
#include <string>

#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_region.h"
#include "platform/classes/collection.h"
#include "platform/classes/event.h"
#include "platform/classes/type_info.h"
#include "platform/ui/colors.h"
#include "platform/ui/control_types.h"

class TBitmap;
class TkxCanvas;
class TWinControl;

PR_ENUM(TkxEditButtonKind, bkEllipsis, bkDown, bkGlyph, bkText)
PR_ENUM(TkxEditButtonStyle, btsDefault, bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11)
// The drawing state of a button view info.
PR_ENUM(TkxEditButtonState, ebsDisabled, ebsNormal, ebsPressed, ebsSelected)

// (Sender, index of the clicked button in Buttons)
using TkxEditButtonClickEvent = Event<void(TObject* Sender, Integer AButtonIndex)>;

class TkxEditButton : public TCollectionItem {
  PR_CLASS(TkxEditButton, TCollectionItem)

 public:
  explicit TkxEditButton(TCollection* Collection);
  ~TkxEditButton() override;

  void Assign(TPersistent* Source) override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  // The caption with its accelerator prefixes removed: "&x" shows "x", "&&" "&", a final "&" "_".
  const std::string& VisibleCaption() const { return visibleCaption_; }
  TAlignment ContentAlignment() const { return contentAlignment_; }
  void SetContentAlignment(TAlignment Value);
  bool Default() const { return default_; }
  // Making a button Default clears the flag of every other button of its collection.
  void SetDefault(bool Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  // Created empty on first read; every read binds the bitmap's changes to this button.
  TBitmap* Glyph() const;
  // Null frees the picture; anything else is copied.
  void SetGlyph(TBitmap* Value);
  // Whether a picture object exists (reading Glyph would create one).
  bool HasGlyph() const { return glyph_ != nullptr; }
  TkxEditButtonKind Kind() const { return kind_; }
  void SetKind(TkxEditButtonKind Value);
  bool LeftAlignment() const { return leftAlignment_; }
  void SetLeftAlignment(bool Value);
  bool Stretchable() const { return stretchable_; }
  void SetStretchable(bool Value);
  Integer Tag() const { return tag_; }
  void SetTag(Integer Value) { tag_ = Value; }
  TColor TextColor() const { return textColor_; }
  void SetTextColor(TColor Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  // 0: the layout's natural width.
  Integer Width() const { return width_; }
  void SetWidth(Integer Value);

  bool TagStored() const { return tag_ != 0; }
  bool GlyphStored() const { return glyph_ != nullptr && !GlyphEmpty(); }

 private:
  template <class T>
  void StoreAndChange(T& Field, const T& Value);
  bool GlyphEmpty() const;
  void GlyphChanged(TObject*) { Changed(false); }

  std::string caption_;
  TAlignment contentAlignment_ = taCenter;
  bool default_ = false;
  bool enabled_ = true;
  std::unique_ptr<TBitmap> glyph_;
  TkxEditButtonKind kind_ = bkDown;
  bool leftAlignment_ = false;
  bool stretchable_ = true;
  Integer tag_ = 0;
  TColor textColor_ = clBtnText;
  bool visible_ = true;
  std::string visibleCaption_;
  Integer width_ = 0;
};

// Stands for the class reference of a button class: the class the collection creates its items of.
using TkxEditButtonClass = TClass;

class TkxEditButtons : public TOwnedCollection {
  PR_CLASS(TkxEditButtons, TOwnedCollection)

 public:
  TkxEditButtons(TPersistent* AOwner, TkxEditButtonClass AButtonClass);
  static TkxEditButtonClass GetButtonClass() { return TkxEditButton::StaticClass(); }

  // The change is reported once the new button is whole (a collection item joins its collection
  // from its base constructor, before the button's own parts exist).
  TkxEditButton* Add();
  TkxEditButton* Items(Integer Index) const { return static_cast<TkxEditButton*>(TCollection::Items(Index)); }
  Integer CountVisible() const;

  // Called with the collection on every change of it or of a button.
  TNotifyEvent OnChange;

 protected:
  void Update(TCollectionItem* Item) override;
};

// What the view data copies from a button and computes for it, per calculation.
struct TkxEditButtonViewInfoData {
  TColor BackgroundColor = clBtnFace;
  std::string Caption;
  TAlignment ContentAlignment = taCenter;
  bool Default = false;
  bool Gradient = false;
  bool IsInplace = false;
  TkxEditButtonKind Kind = bkDown;
  bool LeftAlignment = false;
  bool Leftmost = false;
  bool Rightmost = false;
  TkxEditButtonState State = ebsNormal;
  TkxEditButtonStyle Style = btsDefault;
  TColor TextColor = clBtnText;
  bool Transparent = false;
  std::string VisibleCaption;
  bool BackgroundPartiallyTransparent = false;
  bool ComboBoxStyle = false;
  Integer NativePart = 0;
  Integer NativeState = 0;
  bool NativeStyle = false;
  bool Stretchable = true;
  // The laid-out width: the button's Width, or the natural width when that is 0.
  Integer Width = 0;
};

class TkxEditButtonViewInfo : public TPersistent {
  PR_CLASS(TkxEditButtonViewInfo, TPersistent)

 public:
  TkxEditButtonViewInfo() = default;

  // Copies what decides the look: theme state, background colour, bounds, style and state.
  void Assign(TPersistent* Source) override;
  // Empty when nothing that decides the look differs from Previous, else the region of Bounds.
  virtual std::unique_ptr<TkxRegion> GetButtonRepaintRegion(const TkxEditButtonViewInfo& Previous) const;
  // Invalidates Bounds moved by AOffset on the control's window (erasing when HasBackground) when
  // the look differs from Previous; answers whether it did.
  virtual bool Repaint(TWinControl* AControl, const TkxEditButtonViewInfo& Previous, TPoint AOffset) const;
  bool LooksDifferentFrom(const TkxEditButtonViewInfo& Previous) const;

  TRect Bounds{};
  // The part of Bounds the layout had room for (all of it unless the editor is too narrow).
  TRect VisibleBounds{};
  TkxEditButtonViewInfoData Data;
  TBitmap* Glyph = nullptr;   // not owned
  bool HasBackground = false;
  // The button's index in its collection (not among the visible ones).
  Integer ButtonIndex = -1;
};

// The look-and-feel kind a button style draws in: default and 3-D standard; flat, simple and
// hot-flat flat; ultra-flat and Office 2003 their own.
TkxLookAndFeelKind ButtonStyleLookAndFeelKind(TkxEditButtonStyle Style);

// One-pixel frames on all four sides; R shrinks by one pixel on each side.
void DrawTwoColorButtonFrame(TkxCanvas* Canvas, TRect& R, TColor LeftTopColor, TColor RightBottomColor);
void DrawButtonFrame(TkxCanvas* Canvas, TRect& R, TColor Color);
