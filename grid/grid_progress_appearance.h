// TGridProgressAppearance (the string grid's ProgressAppearance): how progress-bar cells look:
// complete and incomplete colours, four level colours (each a gradient pair) with the percentages
// where levels 1 and 2 start, border, stacking, percentage text, smoothness and gradient steps.
// Setting a property to a value other than its own stores it and fires OnChange (Sender: the
// appearance), which the grid binds to its repaint; an equal value does nothing.  Assign copies
// every property from another TGridProgressAppearance and fires OnChange once; any other source is
// ignored.
#pragma once

#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/ui/colors.h"

#define PR_PROGRESS_PROPERTY(Type, Name, Initial)        \
 public:                                                 \
  Type Name() const { return Name##_; }                  \
  void Set##Name(Type Value) { Change(Name##_, Value); } \
                                                         \
 private:                                                \
  Type Name##_ = Initial;

class TGridProgressAppearance : public TPersistent {
  PR_CLASS(TGridProgressAppearance, TPersistent)

 public:
  TGridProgressAppearance() = default;

  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;

 private:
  template <class T>
  void Change(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    OnChange(this);
  }

  PR_PROGRESS_PROPERTY(TColor, CompleteColor, clRed)
  PR_PROGRESS_PROPERTY(TColor, CompleteFontColor, clBlue)
  PR_PROGRESS_PROPERTY(TColor, UnCompleteColor, clNone)
  PR_PROGRESS_PROPERTY(TColor, UnCompleteFontColor, clWindowText)
  PR_PROGRESS_PROPERTY(TColor, Level0Color, clLime)
  PR_PROGRESS_PROPERTY(TColor, Level0ColorTo, 0xE1FFE1)
  PR_PROGRESS_PROPERTY(TColor, Level1Color, clYellow)
  PR_PROGRESS_PROPERTY(TColor, Level1ColorTo, 0xCAFFFF)
  PR_PROGRESS_PROPERTY(TColor, Level2Color, 0x53A9FF)
  PR_PROGRESS_PROPERTY(TColor, Level2ColorTo, 0xA8D3FF)
  PR_PROGRESS_PROPERTY(TColor, Level3Color, clRed)
  PR_PROGRESS_PROPERTY(TColor, Level3ColorTo, 0xCACAFF)
  PR_PROGRESS_PROPERTY(Integer, Level1Perc, 70)
  PR_PROGRESS_PROPERTY(Integer, Level2Perc, 90)
  PR_PROGRESS_PROPERTY(TColor, BorderColor, clBlack)
  PR_PROGRESS_PROPERTY(bool, ShowBorder, false)
  PR_PROGRESS_PROPERTY(bool, Stacked, false)
  PR_PROGRESS_PROPERTY(bool, ShowPercentage, true)
  PR_PROGRESS_PROPERTY(bool, CompletionSmooth, true)
  PR_PROGRESS_PROPERTY(bool, ShowGradient, true)
  PR_PROGRESS_PROPERTY(Integer, Steps, 11)
};

#undef PR_PROGRESS_PROPERTY
