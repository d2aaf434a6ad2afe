// TBands (the string grid's Bands): alternating row bands: PrimaryLength rows in PrimaryColor, then
// SecondaryLength rows in SecondaryColor, over again; Print bands the printed grid too.  TotalLength
// is always PrimaryLength + SecondaryLength.  Active repaints the grid; the colours and lengths
// repaint it only while Active.  Assign copies the six properties from another TBands; any other
// source is ignored.
#pragma once

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"
#include "platform/ui/colors.h"

class TProStringGrid;

class TBands : public TPersistent {
  PR_CLASS(TBands, TPersistent)

 public:
  explicit TBands(TProStringGrid* AGrid) : grid_(AGrid) {}

  void Assign(TPersistent* Source) override;

  bool Active() const { return active_; }
  void SetActive(bool Value);
  TColor PrimaryColor() const { return primaryColor_; }
  void SetPrimaryColor(TColor Value);
  Integer PrimaryLength() const { return primaryLength_; }
  void SetPrimaryLength(Integer Value);
  TColor SecondaryColor() const { return secondaryColor_; }
  void SetSecondaryColor(TColor Value);
  Integer SecondaryLength() const { return secondaryLength_; }
  void SetSecondaryLength(Integer Value);
  Integer TotalLength() const { return primaryLength_ + secondaryLength_; }

 private:
  void ChangedWhileActive();

  TProStringGrid* grid_;
  bool active_ = false;
  TColor primaryColor_ = clInfoBk;
  Integer primaryLength_ = 1;
  TColor secondaryColor_ = clWindow;
  Integer secondaryLength_ = 1;

  PR_STORED_PROPERTY(bool, Print, false)
};
