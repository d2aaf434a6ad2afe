#include "platform/ui/cursors.h"

#include "platform/classes/integer_idents.h"
#include "platform/user/cursor.h"

namespace {

constexpr TIdentMapEntry kCursors[] = {
    {crDefault, "crDefault"},     {crNone, "crNone"},         {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},   {crNo, "crNo"},
    {crAppStart, "crAppStart"},   {crHelp, "crHelp"},         {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},     {crSize, "crSize"},
};

}  // namespace

bool CursorToIdent(Integer Cursor, std::string& Ident) { return IntToIdent(Cursor, Ident, kCursors); }

bool IdentToCursor(std::string_view Ident, Integer& Cursor) { return IdentToInt(Ident, Cursor, kCursors); }

const TTypeInfo* CursorTypeInfo() {
  static const TTypeInfo* info = [] {
    static TTypeInfo t = *TypeInfo<SmallInt>();
    t.Name = "TCursor";
    RegisterIntegerConsts(&t, &IdentToCursor, &CursorToIdent);
    return &t;
  }();
  return info;
}

HCURSOR SystemCursor(TCursor Cursor) {
  static const struct {
    TCursor cursor;
    const char* id;   // the window layer's standard cursor (IDC_...)
  } kSystem[] = {{crArrow, IDC_ARROW},       {crCross, IDC_CROSS},     {crIBeam, IDC_IBEAM},
                 {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},   {crSizeNWSE, IDC_SIZENWSE},
                 {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW}, {crHourGlass, IDC_WAIT},
                 {crDrag, IDC_ARROW},        {crNoDrop, IDC_NO},       {crHSplit, IDC_SIZEWE},
                 {crVSplit, IDC_SIZENS},     {crMultiDrag, IDC_ARROW}, {crSQLWait, IDC_WAIT},
                 {crNo, IDC_NO},             {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
                 {crHandPoint, IDC_HAND},    {crSizeAll, IDC_SIZEALL}};
  for (const auto& entry : kSystem)
    if (entry.cursor == Cursor) return LoadCursorA(nullptr, entry.id);
  return nullptr;
}
