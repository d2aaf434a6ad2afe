// The records of the string grid's private clipboard format "TProStringGrid Cells": one component
// stream each ("TPF0", class name, an empty name, every published property), in the order
// docs/grid-clipboard.md gives.  Each record class only carries its published values; the payload
// records own one payload object, made in their constructor.  The grid writes and reads them
// (pro_string_grid_cell_stream.cpp).
#pragma once

#include <memory>
#include <string>

#include "platform/classes/component.h"

class TBitmap;
class TCellGraphic;
class TCellProperties;
class TFilePicture;
class TIcon;
class TPicture;
class TStringList;

// The header: the copied range's size, the copied columns' widths and rows' heights as comma texts,
// whether the range was the whole grid, and the copying grid's window handle.
class TGridPropIO : public TComponent {
  PR_CLASS(TGridPropIO, TComponent)

 public:
  explicit TGridPropIO(TComponent* AOwner) : TComponent(AOwner) {}
  Integer ColCount = 0;
  Integer RowCount = 0;
  std::string ColWidths;
  std::string RowHeights;
  bool FullGrid = false;
  Integer ID = 0;
};

// One copied cell: its absolute column and row in the copying grid (32-bit), its text, and whether
// a properties record follows.
class TGridCellIO : public TComponent {
  PR_CLASS(TGridCellIO, TComponent)

 public:
  explicit TGridCellIO(TComponent* AOwner) : TComponent(AOwner) {}
  Integer Col = 0;
  Integer Row = 0;
  std::string Cell;
  bool HasProp = false;
};

// The cell's properties, and whether a graphic record follows.
class TGridCellPropIO : public TComponent {
  PR_CLASS(TGridCellPropIO, TComponent)

 public:
  explicit TGridCellPropIO(TComponent* AOwner);
  ~TGridCellPropIO() override;
  TCellProperties* CellProperties() const { return properties_.get(); }
  void SetCellProperties(TCellProperties* Value);
  bool HasGraphic = false;

 private:
  std::unique_ptr<TCellProperties> properties_;
};

// The cell's graphic (its published fields); a payload record follows by its CellType.
class TGridGraphicIO : public TComponent {
  PR_CLASS(TGridGraphicIO, TComponent)

 public:
  explicit TGridGraphicIO(TComponent* AOwner);
  ~TGridGraphicIO() override;
  TCellGraphic* CellGraphic() const { return graphic_.get(); }
  void SetCellGraphic(TCellGraphic* Value);

 private:
  std::unique_ptr<TCellGraphic> graphic_;
};

// The payload records: the bitmap of ctBitmap and ctBitButton, the icon of ctIcon, the picture of
// ctPicture, the file picture of ctFilePicture, and the strings of ctRadio (its choices) and
// ctImages (one line: the image indexes as comma text).
class TGridBMPIO : public TComponent {
  PR_CLASS(TGridBMPIO, TComponent)

 public:
  explicit TGridBMPIO(TComponent* AOwner);
  ~TGridBMPIO() override;
  TBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TBitmap* Value);

 private:
  std::unique_ptr<TBitmap> bitmap_;
};

class TGridIconIO : public TComponent {
  PR_CLASS(TGridIconIO, TComponent)

 public:
  explicit TGridIconIO(TComponent* AOwner);
  ~TGridIconIO() override;
  TIcon* Icon() const { return icon_.get(); }
  void SetIcon(TIcon* Value);

 private:
  std::unique_ptr<TIcon> icon_;
};

class TGridPicIO : public TComponent {
  PR_CLASS(TGridPicIO, TComponent)

 public:
  explicit TGridPicIO(TComponent* AOwner);
  ~TGridPicIO() override;
  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(TPicture* Value);

 private:
  std::unique_ptr<TPicture> picture_;
};

class TGridFilePicIO : public TComponent {
  PR_CLASS(TGridFilePicIO, TComponent)

 public:
  explicit TGridFilePicIO(TComponent* AOwner);
  ~TGridFilePicIO() override;
  TFilePicture* Picture() const { return picture_.get(); }
  void SetPicture(TFilePicture* Value);

 private:
  std::unique_ptr<TFilePicture> picture_;
};

class TGridSLIO : public TComponent {
  PR_CLASS(TGridSLIO, TComponent)

 public:
  explicit TGridSLIO(TComponent* AOwner);
  ~TGridSLIO() override;
  TStringList* Strings() const { return strings_.get(); }
  void SetStrings(TStringList* Value);

 private:
  std::unique_ptr<TStringList> strings_;
};
