// Container styles (unit kxContainer): TkxContainerStyle holds a container's look in one state
// (normal, focused, disabled, hot); TkxContainerStyles owns the four of a container or controller;
// TkxStyleController is a component whose four styles lend their assigned values to every style
// attached to it.
//
// Value lookup: Edges, Font, HotTrack, Shadow, TransparentBorder, LookAndFeel and StyleController
// live in the normal (root) style only.  Any other value comes from the style when it assigns it,
// else from the same-state style of the root's controller (and on up that controller's own
// controller), else from the style's default, which for the state styles mostly defers to the
// normal style.  A style in direct access is a light copy used while painting: values read as
// stored, the font is borrowed and no change is reported.  Every change is reported once, through
// the change event the owning TkxContainerStyles sets, after the outermost EndUpdate.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_interfaced_persistent.h"
#include "platform/classes/component.h"
#include "platform/classes/event.h"
#include "platform/ui/colors.h"
#include "platform/ui/font.h"

class TkxContainer;
class TkxContainerStyle;
class TkxContainerStyles;
class TkxLookAndFeel;
class TkxStyleController;

// Indices of the style values in the assigned-value set (bit n: value n assigned).
using TkxContainerStyleValues = Cardinal;
inline constexpr Integer csvBorderColor = 0, csvBorderStyle = 1, csvColor = 2, csvEdges = 3, csvFont = 4,
                         csvHotTrack = 5, csvShadow = 6, csvTextColor = 7, csvTextStyle = 8,
                         csvTransparentBorder = 9;
inline constexpr TkxContainerStyleValues StyleValueBit(Integer Index) {
  return Index >= 0 && Index < 32 ? TkxContainerStyleValues(1) << Index : 0;
}
// The state of a style: 0 normal, 1 focused, 2 disabled, 3 hot.
inline constexpr Byte kxStyleNormal = 0, kxStyleFocused = 1, kxStyleDisabled = 2, kxStyleHot = 3;

// Class references: factories standing in for the virtual constructors.
using TkxContainerStyleClass = TkxContainerStyle* (*)(TPersistent* AOwner, Byte AState, TkxContainerStyle* AParentStyle,
                                                      bool ADirectAccess);
using TkxContainerStylesClass = TkxContainerStyles* (*)(TPersistent* AOwner, TkxContainerStyleClass AStyleClass);

class TkxContainerStyle : public TkxInterfacedPersistent {
  PR_CLASS(TkxContainerStyle, TkxInterfacedPersistent)

 public:
  TkxContainerStyle(TPersistent* AOwner, Byte AState, TkxContainerStyle* AParentStyle, bool ADirectAccess);
  ~TkxContainerStyle() override;
  static TkxContainerStyle* Create(TPersistent* AOwner, Byte AState, TkxContainerStyle* AParentStyle,
                                   bool ADirectAccess) {
    return new TkxContainerStyle(AOwner, AState, AParentStyle, ADirectAccess);
  }

  void Assign(TPersistent* Source) override;
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  void RaisePendingChange();
  // The normal style's font with the effective text colour and style.
  TFont* GetEffectiveFont();
  // The index of the value so named, compared ignoring case; -1 when none.
  Integer FindStyleValue(const std::string& Name) const;
  bool IsStateStylePropertyPublished(const std::string& Name) const;
  bool IsRootStyle() const { return parentStyle_ == nullptr; }
  TkxContainer* GetOwnerContainer() const;
  TkxStyleController* GetEffectiveController() const { return Root()->styleController_; }
  void LockFontAssignment(bool Lock);
  // Clears the value's own bit without reloading or reporting (the container undoing a value that
  // only passed through the style).
  void ExcludeAssignedValue(Integer Index) { assignedValues_ &= ~StyleValueBit(Index); }
  void ReloadFont();
  static void ResetFontToDefaults(TFont* AFont);
  Byte State() const { return state_; }
  bool DirectAccess() const { return directAccess_; }

  // The virtual operations of the style.
  virtual void MarkChanged();
  virtual void StyleControllerChanged(TkxStyleController* AController);
  virtual void StyleControllerFreed(TkxStyleController* AController);
  virtual TColor DefaultBorderColor() const;
  virtual TkxContainerBorderStyle DefaultBorderStyle() const;
  virtual TColor DefaultColor() const;
  virtual TkxBorders DefaultEdges() const { return kxBordersAll; }
  virtual bool DefaultHotTrack() const { return true; }
  virtual bool DefaultShadow() const { return false; }
  virtual TColor DefaultTextColor() const;
  virtual TFontStyles DefaultTextStyle() const;
  virtual bool DefaultTransparentBorder() const { return true; }
  virtual TColor GetColor() const;
  virtual TkxStyleController* GetDefaultStyleController() const { return GetUnitDefaultStyleController(); }
  virtual TColor GetBackgroundColor() const;
  virtual TColor GetTextColor() const;
  virtual TFontStyles GetTextStyle() const;
  virtual TkxContainerStyleValues GetUnpublishedExtendedValues() const;
  virtual Integer GetStyleValueCount() const { return 10; }
  // The value's name; empty for an index past the count.
  virtual std::string GetStyleValueName(Integer Index) const;
  virtual bool HasBorder() const;
  virtual bool IsValueAssigned(Integer Index) const;
  virtual void RestoreDefaults();

  // Published values.
  TkxContainerStyleValues AssignedValues() const;
  void SetAssignedValues(TkxContainerStyleValues Value);
  TColor BorderColor() const;
  void SetBorderColor(TColor Value);
  TkxContainerBorderStyle BorderStyle() const;
  void SetBorderStyle(TkxContainerBorderStyle Value);
  TColor Color() const { return GetColor(); }
  void SetColor(TColor Value);
  TkxBorders Edges() const;
  void SetEdges(TkxBorders Value);
  TFont* Font() const { return Root()->font_; }
  void SetFont(TFont* Value);
  bool HotTrack() const;
  void SetHotTrack(bool Value);
  TkxLookAndFeel* LookAndFeel() const { return Root()->lookAndFeel_.get(); }
  void SetLookAndFeel(TkxLookAndFeel* Value);
  bool Shadow() const;
  void SetShadow(bool Value);
  // Null when the root listens to the default controller.
  TkxStyleController* StyleController() const;
  void SetStyleController(TkxStyleController* Value);
  TColor TextColor() const { return GetTextColor(); }
  void SetTextColor(TColor Value);
  TFontStyles TextStyle() const { return GetTextStyle(); }
  void SetTextStyle(TFontStyles Value);
  bool TransparentBorder() const;
  void SetTransparentBorder(bool Value);

  // Stored when assigned here and supported by the owning container.
  bool BorderColorStored() const { return IsValueStored(csvBorderColor); }
  bool BorderStyleStored() const { return IsValueStored(csvBorderStyle); }
  bool ColorStored() const { return IsValueStored(csvColor); }
  bool EdgesStored() const { return IsValueStored(csvEdges); }
  bool FontStored() const { return IsValueStored(csvFont); }
  bool HotTrackStored() const { return IsValueStored(csvHotTrack); }
  bool ShadowStored() const { return IsValueStored(csvShadow); }
  bool TextColorStored() const { return IsValueStored(csvTextColor); }
  bool TextStyleStored() const { return IsValueStored(csvTextStyle); }
  bool TransparentBorderStored() const { return IsValueStored(csvTransparentBorder); }
  bool StyleControllerStored() const { return IsRootStyle(); }

  TNotifyEvent OnChange;

 protected:
  void DefineProperties(TFiler* Filer) override;
  // The owned font changed: Font becomes assigned unless the lock is held.
  virtual void FontChanged(TObject* Sender);
  // Descendants that add style values look them up and mark them as the base does.
  const TkxContainerStyle* Root() const { return parentStyle_ != nullptr ? parentStyle_ : this; }
  TkxContainerStyle* Root() { return parentStyle_ != nullptr ? parentStyle_ : this; }
  bool HasOwnBit(Integer Index) const { return (assignedValues_ & StyleValueBit(Index)) != 0; }
  void IncludeAssignedValue(Integer Index) { assignedValues_ |= StyleValueBit(Index); }
  // This style when it assigns the value, else the first style of its state up the controller
  // chain that does; null when none.
  const TkxContainerStyle* FindAssigningStyle(Integer Index) const;
  bool IsValueStored(Integer Index) const;

 private:
  friend class TkxStyleController;
  // Sets the bit and reports a change unless the bit is set and Equal holds.
  template <class T>
  void StoreValue(T& Field, const T& Value, Integer Index, bool Equal);
  bool ParentColorApplies() const;

  TColor borderColor_ = clWindowFrame;
  TkxContainerBorderStyle borderStyle_ = cbsNone;
  TkxBorders edges_ = kxBordersAll;
  bool hotTrack_ = true;
  bool shadow_ = false;
  bool transparentBorder_ = true;
  bool directAccess_ = false;
  Integer fontAssignedLock_ = 0;
  bool destroying_ = false;
  std::unique_ptr<TkxLookAndFeel> lookAndFeel_;
  bool modified_ = false;
  TPersistent* owner_ = nullptr;
  TkxContainerStyle* parentStyle_ = nullptr;
  Byte state_ = kxStyleNormal;
  TFontStyles textStyle_;
  Integer updateCount_ = 0;
  std::unique_ptr<TFont> effectiveFont_;
  TkxContainerStyleValues assignedValues_ = 0;
  TkxStyleController* styleController_ = nullptr;
  TColor color_ = clWindow;
  TFont* font_ = nullptr;
  std::unique_ptr<TFont> ownedFont_;
  TColor textColor_ = clWindowText;
};

class TkxContainerStyles : public TObject {
  PR_CLASS(TkxContainerStyles, TObject)

 public:
  TkxContainerStyles(TPersistent* AOwner, TkxContainerStyleClass AStyleClass);
  ~TkxContainerStyles() override;
  static TkxContainerStyles* Create(TPersistent* AOwner, TkxContainerStyleClass AStyleClass) {
    return new TkxContainerStyles(AOwner, AStyleClass);
  }

  TkxContainerStyle* GetStyleOfState(Byte AState) const { return styles_[AState]; }
  TkxContainerStyle* GetNormalStyle() const { return styles_[kxStyleNormal]; }
  TkxContainerStyle* GetFocusedStyle() const { return styles_[kxStyleFocused]; }
  TkxContainerStyle* GetDisabledStyle() const { return styles_[kxStyleDisabled]; }
  TkxContainerStyle* GetHotStyle() const { return styles_[kxStyleHot]; }
  // Assigns into the existing style object.
  void SetStyleOfState(Byte AState, TkxContainerStyle* AStyle) { styles_[AState]->Assign(AStyle); }
  // Null clears them.
  void SetChangeHandler(std::function<void(TObject*)> Handler);

 private:
  std::array<TkxContainerStyle*, 4> styles_{};
};

class TkxStyleController : public TComponent {
  PR_CLASS(TkxStyleController, TComponent)

 public:
  explicit TkxStyleController(TComponent* AOwner);
  ~TkxStyleController() override;

  // Nothing for null or a style already listening; the style's look-and-feel takes the normal
  // style's as master.
  virtual void AttachStyle(TkxContainerStyle* AStyle);
  virtual void DetachStyle(TkxContainerStyle* AStyle);
  // Factories for the styles (C++ runs the base's during construction: a descendant that needs its
  // own styles class calls RecreateStyles in its constructor).
  virtual TkxContainerStyleClass GetContainerStyleClass() const { return &TkxContainerStyle::Create; }
  virtual TkxContainerStylesClass GetContainerStylesClass() const { return &TkxContainerStyles::Create; }

  void Loaded() override;
  // OnStyleChanged, then (unless destroying) StyleControllerChanged on every listener.
  void NotifyListeners();
  TkxContainerStyles* Styles() const { return styles_.get(); }
  TkxContainerStyle* GetStyleOfState(Byte AState) const { return styles_->GetStyleOfState(AState); }
  Integer ListenerCount() const { return Integer(listeners_.size()); }
  // Reads the normal style's own controller (null for the default); writing does nothing.
  TkxStyleController* FakeStyleController() const;
  void SetFakeStyleController(TkxStyleController*) {}

  TNotifyEvent OnStyleChanged;

 protected:
  // Makes the four styles anew from the two factories: the constructor runs the base's, so a
  // descendant that names its own style class calls this in its constructor.
  void RecreateStyles();

 private:
  void StylesChanged(TObject*) { NotifyListeners(); }

  bool destroying_ = false;
  std::vector<TkxContainerStyle*> listeners_;
  std::unique_ptr<TkxContainerStyles> styles_;
};
