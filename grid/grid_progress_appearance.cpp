// TGridProgressAppearance; see grid_progress_appearance.h.
#include "grid/grid_progress_appearance.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TGridProgressAppearance) {
  p.Property("BorderColor", &TGridProgressAppearance::BorderColor, &TGridProgressAppearance::SetBorderColor)
      .Type(ColorTypeInfo())
      .Default(clBlack);
  p.Property("CompleteColor", &TGridProgressAppearance::CompleteColor, &TGridProgressAppearance::SetCompleteColor)
      .Type(ColorTypeInfo())
      .Default(clRed);
  p.Property("CompleteFontColor", &TGridProgressAppearance::CompleteFontColor,
             &TGridProgressAppearance::SetCompleteFontColor)
      .Type(ColorTypeInfo())
      .Default(clBlue);
  p.Property("CompletionSmooth", &TGridProgressAppearance::CompletionSmooth,
             &TGridProgressAppearance::SetCompletionSmooth)
      .Default(true);
  p.Property("Level0Color", &TGridProgressAppearance::Level0Color, &TGridProgressAppearance::SetLevel0Color)
      .Type(ColorTypeInfo())
      .Default(clLime);
  p.Property("Level0ColorTo", &TGridProgressAppearance::Level0ColorTo, &TGridProgressAppearance::SetLevel0ColorTo)
      .Type(ColorTypeInfo())
      .Default(0xE1FFE1);
  p.Property("Level1Color", &TGridProgressAppearance::Level1Color, &TGridProgressAppearance::SetLevel1Color)
      .Type(ColorTypeInfo())
      .Default(clYellow);
  p.Property("Level1ColorTo", &TGridProgressAppearance::Level1ColorTo, &TGridProgressAppearance::SetLevel1ColorTo)
      .Type(ColorTypeInfo())
      .Default(0xCAFFFF);
  p.Property("Level1Perc", &TGridProgressAppearance::Level1Perc, &TGridProgressAppearance::SetLevel1Perc).Default(70);
  p.Property("Level2Color", &TGridProgressAppearance::Level2Color, &TGridProgressAppearance::SetLevel2Color)
      .Type(ColorTypeInfo())
      .Default(0x53A9FF);
  p.Property("Level2ColorTo", &TGridProgressAppearance::Level2ColorTo, &TGridProgressAppearance::SetLevel2ColorTo)
      .Type(ColorTypeInfo())
      .Default(0xA8D3FF);
  p.Property("Level2Perc", &TGridProgressAppearance::Level2Perc, &TGridProgressAppearance::SetLevel2Perc).Default(90);
  p.Property("Level3Color", &TGridProgressAppearance::Level3Color, &TGridProgressAppearance::SetLevel3Color)
      .Type(ColorTypeInfo())
      .Default(clRed);
  p.Property("Level3ColorTo", &TGridProgressAppearance::Level3ColorTo, &TGridProgressAppearance::SetLevel3ColorTo)
      .Type(ColorTypeInfo())
      .Default(0xCACAFF);
  p.Property("ShowBorder", &TGridProgressAppearance::ShowBorder, &TGridProgressAppearance::SetShowBorder)
      .Default(false);
  p.Property("ShowGradient", &TGridProgressAppearance::ShowGradient, &TGridProgressAppearance::SetShowGradient)
      .Default(true);
  p.Property("ShowPercentage", &TGridProgressAppearance::ShowPercentage, &TGridProgressAppearance::SetShowPercentage)
      .Default(true);
  p.Property("Stacked", &TGridProgressAppearance::Stacked, &TGridProgressAppearance::SetStacked).Default(false);
  p.Property("Steps", &TGridProgressAppearance::Steps, &TGridProgressAppearance::SetSteps).Default(11);
  p.Property("UnCompleteColor", &TGridProgressAppearance::UnCompleteColor, &TGridProgressAppearance::SetUnCompleteColor)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("UnCompleteFontColor", &TGridProgressAppearance::UnCompleteFontColor,
             &TGridProgressAppearance::SetUnCompleteFontColor)
      .Type(ColorTypeInfo())
      .Default(clWindowText);
}

void TGridProgressAppearance::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TGridProgressAppearance*>(Source);
  if (source == nullptr) return;
  CompleteColor_ = source->CompleteColor_;
  CompleteFontColor_ = source->CompleteFontColor_;
  UnCompleteColor_ = source->UnCompleteColor_;
  UnCompleteFontColor_ = source->UnCompleteFontColor_;
  Level0Color_ = source->Level0Color_;
  Level0ColorTo_ = source->Level0ColorTo_;
  Level1Color_ = source->Level1Color_;
  Level1ColorTo_ = source->Level1ColorTo_;
  Level2Color_ = source->Level2Color_;
  Level2ColorTo_ = source->Level2ColorTo_;
  Level3Color_ = source->Level3Color_;
  Level3ColorTo_ = source->Level3ColorTo_;
  Level1Perc_ = source->Level1Perc_;
  Level2Perc_ = source->Level2Perc_;
  BorderColor_ = source->BorderColor_;
  ShowBorder_ = source->ShowBorder_;
  Stacked_ = source->Stacked_;
  ShowPercentage_ = source->ShowPercentage_;
  CompletionSmooth_ = source->CompletionSmooth_;
  ShowGradient_ = source->ShowGradient_;
  Steps_ = source->Steps_;
  OnChange(this);
}
