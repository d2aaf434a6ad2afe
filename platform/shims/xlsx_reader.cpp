#include "platform/shims/xlsx_reader.h"

#include <charconv>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/core/format.h"
#include "platform/shims/spreadsheet_dates.h"
#include "platform/shims/xlsx_package.h"

namespace {

std::uint32_t ParseUnsigned(std::string_view text) {
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    throw EWorkbookFileError(Format("the number \"%s\" cannot be read", {std::string(text)}));
  return value;
}

double ParseNumber(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    throw EWorkbookFileError(Format("the number \"%s\" cannot be read", {std::string(text)}));
  return value;
}

bool ParseFlag(const char* text) {
  return text != nullptr && (std::string_view(text) == "1" || std::string_view(text) == "true");
}

std::string CellName(std::uint32_t row, std::uint32_t column) { return AbsoluteAddress({row, column, row, column}); }

// --- relationships ---------------------------------------------------------------------------

struct TRelationship {
  std::string id, type, target;
};

class TRelationshipsReader : public TXmlPartHandler {
 public:
  std::vector<TRelationship> relationships;

  void StartElement(std::string_view name, const TXmlAttributes& attributes) override {
    if (name != "Relationship") return;
    const char* mode = attributes.Find("TargetMode");
    const char* id = attributes.Find("Id");
    const char* type = attributes.Find("Type");
    const char* target = attributes.Find("Target");
    if ((mode != nullptr && SameText(mode, "External")) || id == nullptr || type == nullptr || target == nullptr)
      return;
    relationships.push_back({id, type, target});
  }
  void EndElement(std::string_view) override {}

  // The first relationship of a type ending in "/kind".
  const TRelationship* OfType(std::string_view kind) const {
    for (const TRelationship& r : relationships)
      if (r.type.size() > kind.size() && r.type.ends_with(kind) && r.type[r.type.size() - kind.size() - 1] == '/')
        return &r;
    return nullptr;
  }
  const TRelationship* WithId(std::string_view id) const {
    for (const TRelationship& r : relationships)
      if (r.id == id) return &r;
    return nullptr;
  }
};

std::string FolderOf(std::string_view part) {
  const std::size_t slash = part.rfind('/');
  return std::string(slash == std::string_view::npos ? std::string_view() : part.substr(0, slash + 1));
}

std::string RelationshipsPartOf(std::string_view part) {
  const std::string folder = FolderOf(part);
  return folder + "_rels/" + std::string(part.substr(folder.size())) + ".rels";
}

TRelationshipsReader ReadRelationships(TXlsxPackage& package, std::string_view part) {
  TRelationshipsReader reader;
  package.ReadPart(RelationshipsPartOf(part), reader);
  return reader;
}

// --- workbook ----------------------------------------------------------------------------------

class TWorkbookReader : public TXmlPartHandler {
 public:
  TDateSystem system = TDateSystem::Days1900;
  std::uint32_t activeTab = 0;
  std::vector<std::string> sheetIds;   // the sheets' relationship ids, in the workbook's order

  void StartElement(std::string_view name, const TXmlAttributes& attributes) override {
    if (name == "workbookPr") {
      if (ParseFlag(attributes.Find("date1904"))) system = TDateSystem::Days1904;
    } else if (name == "workbookView" && !viewSeen_) {
      viewSeen_ = true;
      if (const char* tab = attributes.Find("activeTab")) activeTab = ParseUnsigned(tab);
    } else if (name == "sheet") {
      const char* id = attributes.Find("id");
      if (id == nullptr) throw EWorkbookFileError("a sheet of the workbook has no part");
      sheetIds.emplace_back(id);
    }
  }
  void EndElement(std::string_view) override {}

  const std::string& ActiveSheetId() const { return sheetIds[activeTab < sheetIds.size() ? activeTab : 0]; }

 private:
  bool viewSeen_ = false;
};

// --- styles ------------------------------------------------------------------------------------

class TStylesReader : public TXmlPartHandler {
 public:
  void StartElement(std::string_view name, const TXmlAttributes& attributes) override {
    if (name == "numFmt") {
      const char* id = attributes.Find("numFmtId");
      const char* code = attributes.Find("formatCode");
      if (id != nullptr && code != nullptr) customDates_[ParseUnsigned(id)] = IsDateFormatCode(code);
    } else if (name == "cellXfs") {
      inCellXfs_ = true;
    } else if (name == "xf" && inCellXfs_) {
      const char* id = attributes.Find("numFmtId");
      xfFormats_.push_back(id != nullptr ? ParseUnsigned(id) : 0);
    }
  }
  void EndElement(std::string_view name) override {
    if (name == "cellXfs") inCellXfs_ = false;
  }

  // Whether each cell style shows a date.
  std::vector<bool> DateStyles() const {
    std::vector<bool> dates;
    for (std::uint32_t id : xfFormats_) {
      auto custom = customDates_.find(id);
      dates.push_back(custom != customDates_.end() ? custom->second : IsBuiltInDateFormat(id));
    }
    return dates;
  }

 private:
  std::unordered_map<std::uint32_t, bool> customDates_;
  std::vector<std::uint32_t> xfFormats_;
  bool inCellXfs_ = false;
};

// --- texts -------------------------------------------------------------------------------------

// The text of <t> elements, leaving out phonetic runs (<rPh>).
class TRunText {
 public:
  void Start(std::string_view name, bool inText) {
    if (name == "rPh") ++phonetic_;
    if (name == "t") capturing_ = inText && phonetic_ == 0;
  }
  void End(std::string_view name) {
    if (name == "rPh") --phonetic_;
    if (name == "t") capturing_ = false;
  }
  void Add(std::string_view text) {
    if (capturing_) text_.append(text);
  }
  std::string Take() {
    std::string text = DecodePartText(text_);
    text_.clear();
    return text;
  }

 private:
  std::string text_;
  int phonetic_ = 0;
  bool capturing_ = false;
};

class TSharedStringsReader : public TXmlPartHandler {
 public:
  explicit TSharedStringsReader(TWorksheetCells& cells) : cells_(cells) {}
  void StartElement(std::string_view name, const TXmlAttributes&) override { text_.Start(name, true); }
  void EndElement(std::string_view name) override {
    text_.End(name);
    if (name == "si") cells_.PoolText(text_.Take());
  }
  void Text(std::string_view text) override { text_.Add(text); }

 private:
  TWorksheetCells& cells_;
  TRunText text_;
};

// --- cells -------------------------------------------------------------------------------------

Integer ErrorNumber(std::string_view text) {
  static constexpr std::pair<std::string_view, Integer> kErrors[] = {
      {"#NULL!", 2000}, {"#DIV/0!", 2007}, {"#VALUE!", 2015}, {"#REF!", 2023},
      {"#NAME?", 2029}, {"#NUM!", 2036},   {"#N/A", 2042}};
  for (const auto& [name, number] : kErrors)
    if (name == text) return number;
  return 2015;
}

class TSheetReader : public TXmlPartHandler {
 public:
  TSheetReader(TWorksheetCells& cells, std::vector<bool> dateStyles, std::uint32_t sharedCount, TDateSystem system)
      : cells_(cells), dateStyles_(std::move(dateStyles)), sharedCount_(sharedCount), system_(system) {}

  void StartElement(std::string_view name, const TXmlAttributes& attributes) override {
    if (name == "row") {
      const char* r = attributes.Find("r");
      row_ = r != nullptr ? ParseUnsigned(r) : row_ + 1;
      column_ = 0;
    } else if (name == "c") {
      StartCell(attributes);
    } else if (name == "v") {
      inValue_ = true;
    } else if (name == "is") {
      inInline_ = true;
    }
    inlineText_.Start(name, inInline_);
  }

  void EndElement(std::string_view name) override {
    inlineText_.End(name);
    if (name == "v") inValue_ = false;
    if (name == "is") inInline_ = false;
    if (name == "c") AddCell();
  }

  void Text(std::string_view text) override {
    if (inValue_) value_.append(text);
    inlineText_.Add(text);
  }

 private:
  void StartCell(const TXmlAttributes& attributes) {
    const char* r = attributes.Find("r");
    if (r == nullptr) {
      ++column_;
    } else if (!ParseCellReference(r, row_, column_)) {
      throw EWorkbookFileError(Format("the cell name \"%s\" cannot be read", {std::string(r)}));
    }
    const char* type = attributes.Find("t");
    const char* style = attributes.Find("s");
    type_ = type != nullptr ? type : "n";
    style_ = style != nullptr ? ParseUnsigned(style) : 0;
    value_.clear();
    inlineText_ = TRunText();
  }

  void AddCell() {
    if (type_ == "inlineStr") return cells_.AddText(row_, column_, inlineText_.Take());
    if (value_.empty()) return;   // a cell with a style and no value
    if (type_ == "s") return AddSharedText();
    if (type_ == "str") return cells_.AddText(row_, column_, DecodePartText(value_));
    if (type_ == "b") return cells_.AddBoolean(row_, column_, ParseNumber(value_) != 0);
    if (type_ == "e") return cells_.AddError(row_, column_, ErrorNumber(value_));
    if (type_ == "d") return AddIsoDate();
    if (type_ != "n")
      throw EWorkbookFileError(Format("cell %s has the unknown type \"%s\"", {CellName(row_, column_), type_}));
    const double number = ParseNumber(value_);
    TDateTime date;
    if (style_ < dateStyles_.size() && dateStyles_[style_] && SerialToDateTime(number, system_, date))
      return cells_.AddDate(row_, column_, date);
    cells_.AddNumber(row_, column_, number);
  }

  void AddSharedText() {
    const std::uint32_t index = ParseUnsigned(value_);
    if (index >= sharedCount_)
      throw EWorkbookFileError(Format("cell %s names shared text %d, which the workbook lacks",
                                      {CellName(row_, column_), Int64(index)}));
    cells_.AddPooledText(row_, column_, index);
  }

  void AddIsoDate() {
    TDateTime date;
    if (!ParseDateTimeText(value_, date))
      throw EWorkbookFileError(Format("the date of cell %s cannot be read", {CellName(row_, column_)}));
    cells_.AddDate(row_, column_, date);
  }

  TWorksheetCells& cells_;
  const std::vector<bool> dateStyles_;
  const std::uint32_t sharedCount_;
  const TDateSystem system_;
  std::uint32_t row_ = 0, column_ = 0;
  std::string type_, value_;
  std::uint32_t style_ = 0;
  bool inValue_ = false, inInline_ = false;
  TRunText inlineText_;
};

}  // namespace

std::string ResolvePartTarget(std::string_view sourcePart, std::string_view target) {
  const std::string path = target.starts_with('/') ? std::string(target.substr(1)) : FolderOf(sourcePart) + std::string(target);
  std::vector<std::string_view> steps;
  for (std::size_t start = 0; start <= path.size();) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string_view step = std::string_view(path).substr(start, end - start);
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
    } else if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
    start = end + 1;
  }
  std::string resolved;
  for (std::string_view step : steps) resolved.append(resolved.empty() ? "" : "/").append(step);
  return resolved;
}

std::string DecodePartText(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::uint16_t unit = 0;
    if (text.substr(i, 2) == "_x" && i + 7 <= text.size() && text[i + 6] == '_') {
      const auto [end, error] = std::from_chars(text.data() + i + 2, text.data() + i + 6, unit, 16);
      if (error == std::errc() && end == text.data() + i + 6) {
        decoded.push_back(UnicodeToCp874(unit));
        i += 7;
        continue;
      }
    }
    decoded.push_back(UnicodeToCp874(cp874_detail::DecodeUtf8(text, i)));
  }
  return decoded;
}

TWorksheetCells ReadXlsxActiveSheet(const std::string& nativePath, std::uint64_t maxInflatedBytes) {
  TXlsxPackage package(nativePath, maxInflatedBytes);
  TRelationshipsReader root;
  package.ReadPart("_rels/.rels", root);
  const TRelationship* document = root.OfType("officeDocument");
  if (document == nullptr) throw EWorkbookFileError("the package holds no workbook");
  const std::string workbookPart = ResolvePartTarget("", document->target);
  TWorkbookReader workbook;
  package.ReadPart(workbookPart, workbook);
  if (workbook.sheetIds.empty()) throw EWorkbookFileError("the workbook has no sheet");
  const TRelationshipsReader links = ReadRelationships(package, workbookPart);
  const TRelationship* sheet = links.WithId(workbook.ActiveSheetId());
  if (sheet == nullptr) throw EWorkbookFileError("the active sheet has no part");

  TWorksheetCells cells;
  std::vector<bool> dateStyles;
  if (const TRelationship* styles = links.OfType("styles")) {
    TStylesReader reader;
    package.ReadPart(ResolvePartTarget(workbookPart, styles->target), reader);
    dateStyles = reader.DateStyles();
  }
  if (const TRelationship* strings = links.OfType("sharedStrings")) {
    TSharedStringsReader reader(cells);
    package.ReadPart(ResolvePartTarget(workbookPart, strings->target), reader);
  }
  TSheetReader reader(cells, std::move(dateStyles), cells.PooledTextCount(), workbook.system);
  package.ReadPart(ResolvePartTarget(workbookPart, sheet->target), reader);
  return cells;
}
