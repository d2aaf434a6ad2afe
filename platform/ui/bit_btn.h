// TBitBtn: a push button with a glyph, owner-drawn on the BUTTON window class (BS_OWNERDRAW; the
// window's WM_DRAWITEM comes back as CN_DRAWITEM).
//
// Kind presets the caption, the glyph, ModalResult and Default / Cancel:
//   bkOK "OK" mrOk Default, bkCancel "Cancel" mrCancel Cancel, bkYes "&Yes" mrYes Default,
//   bkNo "&No" mrNo Cancel, bkAbort "Abort" mrAbort, bkRetry "&Retry" mrRetry, bkIgnore "&Ignore"
//   mrIgnore, bkAll "&All" mrAll, bkHelp "&Help" (clicks like a custom button: there is no help
//   system), bkClose "&Close" (closes its form instead of clicking).
// Kind reads bkCustom once the glyph, ModalResult, Default or Cancel no longer match the preset.
// Form images store those (and NumGlyphs) only for custom buttons, and the caption only when it
// is not the preset's.
// Look: the push button's frame (button_paint.h) with the glyph and caption laid out by
// button_glyph.h (pressed: one pixel right and down; disabled: embossed); the focus frame 4
// pixels inside while focused.
#pragma once

#include <memory>

#include "platform/ui/button.h"
#include "platform/ui/button_glyph.h"

class TBitmap;
class TControlCanvas;

PR_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll)

class TBitBtn : public TButton {
  PR_CLASS(TBitBtn, TButton)

 public:
  explicit TBitBtn(TComponent* AOwner);
  ~TBitBtn() override;

  TBitBtnKind Kind() const;
  void SetKind(TBitBtnKind Value);
  TBitmap* Glyph() const { return glyph_->Glyph(); }
  void SetGlyph(TBitmap* Value);
  Integer NumGlyphs() const { return glyph_->NumGlyphs(); }
  void SetNumGlyphs(Integer Value) { glyph_->SetNumGlyphs(Value); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout Value);
  Integer Margin() const { return margin_; }
  void SetMargin(Integer Value);
  Integer Spacing() const { return spacing_; }
  void SetSpacing(Integer Value);

  void Click() override;
  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void SetButtonStyle(bool ADefault) override;

 private:
  bool IsCustom() const { return Kind() == bkCustom; }
  bool IsCustomCaption() const;
  void DrawItem(TMessage& Message);
  void Changed();

  std::unique_ptr<TButtonGlyph> glyph_;
  std::unique_ptr<TControlCanvas> canvas_;   // over the context WM_DRAWITEM hands over, while drawing
  TBitBtnKind kind_ = bkCustom;
  bool modifiedGlyph_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  Integer margin_ = -1;
  Integer spacing_ = 4;
};
