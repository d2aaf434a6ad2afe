// TkxLookAndFeelController (interim): the form-level component that sets the default look of the
// control library's controls, under its final name.  Until the library's painters are built it
// only keeps its settings, so that form images holding it load; it changes no control's look.
#pragma once

#include "platform/classes/component.h"
#include "platform/classes/type_info.h"

PR_ENUM(TkxLookAndFeelKind, lfFlat, lfStandard, lfUltraFlat, lfOffice11)

class TkxLookAndFeelController : public TComponent {
  PR_CLASS(TkxLookAndFeelController, TComponent)

 public:
  using TComponent::TComponent;

  TkxLookAndFeelKind Kind() const { return kind_; }
  void SetKind(TkxLookAndFeelKind Value) { kind_ = Value; }
  bool NativeStyle() const { return nativeStyle_; }
  void SetNativeStyle(bool Value) { nativeStyle_ = Value; }

 private:
  TkxLookAndFeelKind kind_ = lfUltraFlat;
  bool nativeStyle_ = false;
};
