// TProStringGrid: the private clipboard format, written and read (see pro_string_grid.h and
// docs/grid-clipboard.md), and its record classes (cell_range_stream.h).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/cell_range_stream.h"
#include "grid/file_picture.h"
#include "grid/int_list.h"
#include "grid/navigation.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/publisher.h"
#include "platform/classes/stream.h"
#include "platform/classes/string_list.h"
#include "platform/core/int_text.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/icon.h"
#include "platform/ui/picture.h"

// ---- The record classes ----

PR_PUBLISH(TGridPropIO) {
  p.Property("ColCount", &TGridPropIO::ColCount);
  p.Property("RowCount", &TGridPropIO::RowCount);
  p.Property("ColWidths", &TGridPropIO::ColWidths);
  p.Property("RowHeights", &TGridPropIO::RowHeights);
  p.Property("FullGrid", &TGridPropIO::FullGrid);
  p.Property("ID", &TGridPropIO::ID);
}

PR_PUBLISH(TGridCellIO) {
  p.Property("Col", &TGridCellIO::Col);
  p.Property("Row", &TGridCellIO::Row);
  p.Property("Cell", &TGridCellIO::Cell);
  p.Property("HasProp", &TGridCellIO::HasProp);
}

PR_PUBLISH(TGridCellPropIO) {
  p.Property("CellProperties", &TGridCellPropIO::CellProperties, &TGridCellPropIO::SetCellProperties);
  p.Property("HasGraphic", &TGridCellPropIO::HasGraphic);
}

PR_PUBLISH(TGridGraphicIO) {
  p.Property("CellGraphic", &TGridGraphicIO::CellGraphic, &TGridGraphicIO::SetCellGraphic);
}

PR_PUBLISH(TGridBMPIO) { p.Property("Bitmap", &TGridBMPIO::Bitmap, &TGridBMPIO::SetBitmap); }
PR_PUBLISH(TGridIconIO) { p.Property("Icon", &TGridIconIO::Icon, &TGridIconIO::SetIcon); }
PR_PUBLISH(TGridPicIO) { p.Property("Picture", &TGridPicIO::Picture, &TGridPicIO::SetPicture); }
PR_PUBLISH(TGridFilePicIO) { p.Property("Picture", &TGridFilePicIO::Picture, &TGridFilePicIO::SetPicture); }
PR_PUBLISH(TGridSLIO) { p.Property("Strings", &TGridSLIO::Strings, &TGridSLIO::SetStrings); }

TGridCellPropIO::TGridCellPropIO(TComponent* AOwner)
    : TComponent(AOwner), properties_(std::make_unique<TCellProperties>(nullptr, 0, 0)) {}
TGridCellPropIO::~TGridCellPropIO() = default;
void TGridCellPropIO::SetCellProperties(TCellProperties* Value) { properties_->Assign(Value); }

TGridGraphicIO::TGridGraphicIO(TComponent* AOwner) : TComponent(AOwner), graphic_(std::make_unique<TCellGraphic>()) {}
TGridGraphicIO::~TGridGraphicIO() = default;
void TGridGraphicIO::SetCellGraphic(TCellGraphic* Value) { graphic_->Assign(Value); }

TGridBMPIO::TGridBMPIO(TComponent* AOwner) : TComponent(AOwner), bitmap_(std::make_unique<TBitmap>()) {}
TGridBMPIO::~TGridBMPIO() = default;
void TGridBMPIO::SetBitmap(TBitmap* Value) { bitmap_->Assign(Value); }

TGridIconIO::TGridIconIO(TComponent* AOwner) : TComponent(AOwner), icon_(std::make_unique<TIcon>()) {}
TGridIconIO::~TGridIconIO() = default;
void TGridIconIO::SetIcon(TIcon* Value) { icon_->Assign(Value); }

TGridPicIO::TGridPicIO(TComponent* AOwner) : TComponent(AOwner), picture_(std::make_unique<TPicture>()) {}
TGridPicIO::~TGridPicIO() = default;
void TGridPicIO::SetPicture(TPicture* Value) { picture_->Assign(Value); }

TGridFilePicIO::TGridFilePicIO(TComponent* AOwner) : TComponent(AOwner), picture_(std::make_unique<TFilePicture>()) {}
TGridFilePicIO::~TGridFilePicIO() = default;
void TGridFilePicIO::SetPicture(TFilePicture* Value) { picture_->Assign(Value); }

TGridSLIO::TGridSLIO(TComponent* AOwner) : TComponent(AOwner), strings_(std::make_unique<TStringList>()) {}
TGridSLIO::~TGridSLIO() = default;
void TGridSLIO::SetStrings(TStringList* Value) { strings_->Assign(Value); }

namespace {

// The most cells a grid may hold after a paste of the private format grew it (or a whole grid
// pasted set its counts): larger headers are refused before anything changes.
constexpr Int64 kMaxPastedGridCells = Int64{1} << 24;

[[noreturn]] void InvalidStream() { throw EReadError(classes_text::kInvalidImage); }

void CheckGridCells(Int64 Cols, Int64 Rows) {
  if (Cols * Rows > kMaxPastedGridCells) InvalidStream();
}

// The graphic kinds whose payload travels in a record of its own.
bool HasPayloadRecord(TCellType Kind) {
  switch (Kind) {
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
      return true;
    default:
      return false;
  }
}

// A graphic the grid does not own travels without its graphic records: its payload belongs to the
// application (CellCreated off), or it is a shared check box.
bool GraphicTravels(const TCellGraphic* Graphic) {
  if (Graphic == nullptr || Graphic->CellType() == ctEmpty) return false;
  if (Graphic->CellType() == ctVirtCheckBox || Graphic->CellType() == ctRowCheckBox) return false;
  return !HasPayloadRecord(Graphic->CellType()) || Graphic->CellCreated() || Graphic->CellType() == ctImages;
}

std::string JoinSizes(TFunctionRef<Integer(Integer)> Size, Integer From, Integer To) {
  std::string text;
  for (Integer i = From; i <= To; ++i) {
    if (i > From) text += ',';
    text += IntToStr(Size(i));
  }
  return text;
}

// Entries of a comma text that read as sizes (0 .. 32767); others are empty.
std::vector<std::optional<Integer>> SplitSizes(const std::string& Text, Integer Count) {
  std::vector<std::optional<Integer>> sizes;
  size_t start = 0;
  while (static_cast<Integer>(sizes.size()) < Count && start <= Text.size()) {
    size_t end = Text.find(',', start);
    if (end == std::string::npos) end = Text.size();
    Integer value = 0;
    if (TryStrToInt(std::string_view(Text).substr(start, end - start), value) && value >= 0 && value <= 32767)
      sizes.emplace_back(value);
    else
      sizes.emplace_back();
    start = end + 1;
  }
  return sizes;
}

// Reads the next record, which must be of Record's class.
void ReadRecord(TStream* Stream, TComponent* Record) {
  const Int64 start = Stream->Position();
  char head[5];
  if (Stream->Read(head, 5) != 5 || std::string_view(head, 4) != "TPF0") InvalidStream();
  // An optional flags prefix (0xF0 | flags) never precedes these records.
  const std::string& expected = Record->ClassName();
  std::string name(static_cast<Byte>(head[4]), '\0');
  if (Stream->Read(name.data(), static_cast<Integer>(name.size())) != static_cast<Integer>(name.size()) ||
      name != expected)
    InvalidStream();
  Stream->SetPosition(start);
  try {
    Stream->ReadComponent(Record);
  } catch (const EReadError&) {
    throw;
  } catch (const Exception&) {
    // A payload that does not decode (a bitmap, an icon) is a stream that does not hold the format.
    InvalidStream();
  }
  Record->SetName("");
}

struct TCellStreamHeader {
  Integer ColCount, RowCount;
  std::string ColWidths, RowHeights;
  bool FullGrid;
  Integer ID;
};

// The header, refused when it names no cell or more than a grid may hold.
TCellStreamHeader ReadHeader(TStream* Stream) {
  TGridPropIO record(nullptr);
  ReadRecord(Stream, &record);
  if (record.ColCount < 1 || record.RowCount < 1) InvalidStream();
  CheckGridCells(record.ColCount, record.RowCount);
  return {record.ColCount, record.RowCount, record.ColWidths, record.RowHeights, record.FullGrid, record.ID};
}

// Merge spans that do not fit the grid at the cell are dropped: the cell becomes unmerged.
void KeepMergeInsideGrid(TCellProperties* Props, Integer ACol, Integer ARow, Integer Cols, Integer Rows) {
  const Integer sx = Props->CellSpanX(), sy = Props->CellSpanY();
  bool fits;
  if (sx == -1 && sy == -1) fits = true;
  else if (Props->IsBaseCell()) fits = sx >= 0 && sy >= 0 && sx < Cols - ACol && sy < Rows - ARow;
  else fits = sx >= 0 && sy >= 0 && sx <= ACol && sy <= ARow;
  if (fits) return;
  Props->SetIsBaseCell(true);
  Props->SetCellSpanX(-1);
  Props->SetCellSpanY(-1);
}

}   // namespace

// The copying grid's mark in the header: its window handle's low 32 bits (0 without a window).
Integer TProStringGrid::CellStreamID() {
  return static_cast<Integer>(reinterpret_cast<std::uintptr_t>(HandleAllocated() ? Handle() : nullptr));
}

// ---- Writing ----

void TProStringGrid::WriteCellRangeComponents(const TGridRect& Range, TStream* Stream) {
  TGridPropIO header(nullptr);
  header.ColCount = Range.Right - Range.Left + 1;
  header.RowCount = Range.Bottom - Range.Top + 1;
  header.ColWidths = JoinSizes([&](Integer c) { return ColWidths(c); }, Range.Left, Range.Right);
  header.RowHeights = JoinSizes([&](Integer r) { return RowHeights(r); }, Range.Top, Range.Bottom);
  header.FullGrid = header.ColCount == SaveColCount() && header.RowCount == SaveRowCount();
  header.ID = CellStreamID();
  Stream->WriteComponent(&header);

  SaveProgress(0, -1);
  Integer lastProgress = -1;
  for (Integer row = Range.Top; row <= Range.Bottom; ++row) {
    SaveProgress(1, row);
    for (Integer col = Range.Left; col <= Range.Right; ++col) {
      // The top-left record is always written: the reader places every cell relative to it.
      const bool topLeft = col == Range.Left && row == Range.Top;
      if (topLeft || !GetRawCellText(col, row).empty() || HasCellProperties(col, row))
        WriteCellRecords(Stream, col, row);
    }
    if (OnFileProgress) {
      const Integer span = std::max(1, Range.Bottom - Range.Top);
      const Integer progress = static_cast<Integer>(std::nearbyint((row - Range.Top) * 100.0 / span));
      if (progress != lastProgress) OnFileProgress(this, progress);
      lastProgress = progress;
    }
  }
  SaveProgress(2, -1);
}

void TProStringGrid::WriteCellRecords(TStream* Stream, Integer ACol, Integer ARow) {
  TGridCellIO cell(nullptr);
  cell.Col = ACol;
  cell.Row = ARow;
  cell.Cell = GetRawCellText(ACol, ARow);
  cell.HasProp = HasCellProperties(ACol, ARow);
  Stream->WriteComponent(&cell);
  if (!cell.HasProp) return;

  TGridCellPropIO props(nullptr);
  props.CellProperties()->Assign(GetCellProperties(ACol, ARow));
  // A control placed in the cell belongs to this grid's form: it does not travel.
  props.CellProperties()->SetControl(nullptr);
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  props.HasGraphic = GraphicTravels(graphic);
  Stream->WriteComponent(&props);
  if (!props.HasGraphic) return;

  TGridGraphicIO graphicRecord(nullptr);
  graphicRecord.CellGraphic()->Assign(graphic);
  Stream->WriteComponent(&graphicRecord);
  TObject* payload = graphic->CellBitmap();
  switch (graphic->CellType()) {
    case ctBitmap:
    case ctBitButton: {
      TGridBMPIO record(nullptr);
      if (auto* bitmap = dynamic_cast<TBitmap*>(payload)) record.Bitmap()->Assign(bitmap);
      Stream->WriteComponent(&record);
      break;
    }
    case ctIcon: {
      TGridIconIO record(nullptr);
      if (graphic->CellIcon() != nullptr) record.Icon()->Assign(graphic->CellIcon());
      Stream->WriteComponent(&record);
      break;
    }
    case ctRadio: {
      TGridSLIO record(nullptr);
      if (auto* strings = dynamic_cast<TStrings*>(payload)) record.Strings()->Assign(strings);
      Stream->WriteComponent(&record);
      break;
    }
    case ctImages: {
      TGridSLIO record(nullptr);
      if (auto* images = dynamic_cast<TIntList*>(payload)) record.Strings()->Add(images->GetCommaText());
      Stream->WriteComponent(&record);
      break;
    }
    case ctPicture: {
      TGridPicIO record(nullptr);
      if (auto* picture = dynamic_cast<TPicture*>(payload)) record.Picture()->Assign(picture);
      Stream->WriteComponent(&record);
      break;
    }
    case ctFilePicture: {
      TGridFilePicIO record(nullptr);
      if (auto* picture = dynamic_cast<TFilePicture*>(payload)) record.Picture()->Assign(picture);
      Stream->WriteComponent(&record);
      break;
    }
    default:
      break;
  }
}

// ---- Reading ----

namespace {

// A new copy of the payload record's object for a graphic of Kind (read from the stream).
TObject* ReadPayload(TStream* Stream, TCellType Kind, Integer ACol, Integer ARow) {
  switch (Kind) {
    case ctBitmap:
    case ctBitButton: {
      TGridBMPIO record(nullptr);
      ReadRecord(Stream, &record);
      auto bitmap = std::make_unique<TBitmap>();
      bitmap->Assign(record.Bitmap());
      return bitmap.release();
    }
    case ctIcon: {
      TGridIconIO record(nullptr);
      ReadRecord(Stream, &record);
      auto icon = std::make_unique<TIcon>();
      icon->Assign(record.Icon());
      return icon.release();
    }
    case ctRadio: {
      TGridSLIO record(nullptr);
      ReadRecord(Stream, &record);
      auto strings = std::make_unique<TStringList>();
      strings->Assign(record.Strings());
      return strings.release();
    }
    case ctImages: {
      TGridSLIO record(nullptr);
      ReadRecord(Stream, &record);
      auto images = std::make_unique<TIntList>(ACol, ARow);
      if (record.Strings()->Count() > 0) images->SetCommaText(record.Strings()->Strings(0));
      return images.release();
    }
    case ctPicture: {
      TGridPicIO record(nullptr);
      ReadRecord(Stream, &record);
      auto picture = std::make_unique<TPicture>();
      picture->Assign(record.Picture());
      return picture.release();
    }
    case ctFilePicture: {
      TGridFilePicIO record(nullptr);
      ReadRecord(Stream, &record);
      auto picture = std::make_unique<TFilePicture>();
      picture->Assign(record.Picture());
      return picture.release();
    }
    default:
      return nullptr;
  }
}

}   // namespace

void TProStringGrid::ReadCellRangeComponents(TPoint Cell, TStream* Stream) {
  const TCellStreamHeader header = ReadHeader(Stream);
  if (header.FullGrid) {
    Clear();
    SetRowCount(header.RowCount);
    SetColCount(header.ColCount);
    const auto widths = SplitSizes(header.ColWidths, header.ColCount);
    for (size_t c = 0; c < widths.size(); ++c)
      if (widths[c]) SetColWidths(static_cast<Integer>(c), *widths[c]);
    const auto heights = SplitSizes(header.RowHeights, header.RowCount);
    for (size_t r = 0; r < heights.size(); ++r)
      if (heights[r]) SetRowHeights(static_cast<Integer>(r), *heights[r]);
  }

  bool first = true;
  Int64 offsetCol = 0, offsetRow = 0;
  while (Stream->Size() - Stream->Position() > 1) {
    TGridCellIO record(nullptr);
    ReadRecord(Stream, &record);
    // A whole grid lands cell for cell; a range lands relative to its first (top-left) record.
    if (!header.FullGrid && first) {
      offsetCol = Int64{Cell.X} - record.Col;
      offsetRow = Int64{Cell.Y} - record.Row;
    }
    first = false;
    const Int64 col = record.Col + offsetCol, row = record.Row + offsetRow;
    const bool inside = col >= 0 && row >= 0 && col < ColCount() && row < RowCount();
    const Integer c = static_cast<Integer>(inside ? col : 0), r = static_cast<Integer>(inside ? row : 0);
    if (inside) SetCellText(c, r, record.Cell);
    if (!record.HasProp) continue;

    TGridCellPropIO props(nullptr);
    ReadRecord(Stream, &props);
    if (inside) {
      TCellProperties* target = GetCellProperties(c, r);
      TControl* control = target->Control();
      target->Assign(props.CellProperties());
      target->SetControl(control);
      target->SetOwnerCol(c);
      target->SetOwnerRow(r);
      KeepMergeInsideGrid(target, c, r, ColCount(), RowCount());
    }
    if (!props.HasGraphic) continue;

    TGridGraphicIO graphicRecord(nullptr);
    ReadRecord(Stream, &graphicRecord);
    const TCellType kind = graphicRecord.CellGraphic()->CellType();
    std::unique_ptr<TObject> payload(ReadPayload(Stream, kind, c, r));
    // Shared check boxes are the application's: the grid never owns one.
    if (!inside || kind == ctVirtCheckBox || kind == ctRowCheckBox || kind == ctEmpty) continue;
    TCellGraphic* graphic = CreateCellGraphic(c, r);
    graphic->Assign(graphicRecord.CellGraphic());
    if (kind == ctIcon) {
      graphic->SetCellIcon(static_cast<TIcon*>(payload.release()));
      graphic->SetCellBitmap(nullptr);
    } else {
      graphic->SetCellBitmap(payload.release());
      graphic->SetCellIcon(nullptr);
    }
    // The graphic owns the payload made here.
    if (HasPayloadRecord(kind)) graphic->SetCellCreated(true);
  }
}

// The header of a private-format stream read ahead of the cells, the grid grown for them.
Integer TProStringGrid::PasteCellsFormat(Integer ACol, Integer ARow, TStream* Stream) {
  const TCellStreamHeader header = ReadHeader(Stream);
  const bool colGrow = navigation_->AllowClipboardColGrow(), rowGrow = navigation_->AllowClipboardRowGrow();
  const Int64 cols = colGrow ? std::max<Int64>(ColCount(), Int64{header.ColCount} + ACol) : ColCount();
  const Int64 rows = rowGrow ? std::max<Int64>(RowCount(), Int64{header.RowCount} + ARow) : RowCount();
  CheckGridCells(cols, rows);
  if (colGrow && header.ColCount + Int64{ACol} >= ColCount()) SetColCount(header.ColCount + ACol);
  if (rowGrow && header.RowCount + Int64{ARow} >= RowCount()) SetRowCount(header.RowCount + ARow);
  Stream->SetPosition(0);
  ReadCellRangeComponents(TPoint{ACol, ARow}, Stream);
  const bool ours = header.ID != 0 && header.ID == CellStreamID();
  CellsPasted(ours ? copyOrigin_ : TPoint{-1, -1},
              TGridRect{ACol, ARow, ACol + header.ColCount - 1, ARow + header.RowCount - 1}, lastOperationCopy_);
  return header.ColCount * header.RowCount;
}
