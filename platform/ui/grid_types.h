// The grid's shared types: options, states, cell coordinates and rectangles, its exception and the
// texts it raises.  A TGridRect is inclusive on all four sides (Left..Right columns, Top..Bottom rows).
#pragma once

#include "platform/classes/enum_set.h"
#include "platform/classes/event.h"
#include "platform/classes/type_info.h"
#include "platform/core/exceptions.h"
#include "platform/gdi/geometry.h"

PR_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
        goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs,
        goRowSelect, goAlwaysShowEditor, goThumbTracking)
using TGridOptions = TSet<TGridOption>;

PR_ENUM(TGridDrawStateItem, gdSelected, gdFocused, gdFixed)
using TGridDrawState = TSet<TGridDrawStateItem>;

// Normal, selecting with the mouse, dragging a row or column border, dragging a row or column.
PR_ENUM(TGridState, gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving)

struct TGridCoord {
  Integer X = 0;   // column
  Integer Y = 0;   // row
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

struct TGridRect {
  Integer Left = 0;
  Integer Top = 0;
  Integer Right = 0;
  Integer Bottom = 0;
  bool Contains(Integer ACol, Integer ARow) const {
    return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
  }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

PR_DECLARE_EXCEPTION(EInvalidGridOperation, Exception);

inline constexpr const char* SGridIndexOutOfRange = "Grid index out of range";
inline constexpr const char* SFixedColTooBig = "Fixed column count must be less than column count";
inline constexpr const char* SFixedRowTooBig = "Fixed row count must be less than row count";
inline constexpr const char* SGridTooLarge = "Grid too large for operation";
inline constexpr const char* STooManyDeleted = "Too many rows or columns deleted";

class TObject;
using TSelectCellEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, bool& CanSelect)>;
using TMovedEvent = Event<void(TObject* Sender, Integer FromIndex, Integer ToIndex)>;
