// The published properties and events of TDrawGrid and TStringGrid, in the order the component
// writer writes them (each count before its fixed count, so that reading can lower the fixed count).
// Only the grids' .cpp files include this header.
#pragma once

#include "platform/ui/colors.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/draw_grid.h"

template <class C>
void PublishGrid(TPublisher<C>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishBiDiMode(p);
  p.Property("BorderStyle", &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle).Default(bsSingle);
  PublishColor(p);
  p.Property("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount).Default(5);
  PublishConstraints(p);
  PublishCtl3D(p);
  p.Property("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth).Default(64);
  p.Property("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight).Default(24);
  p.Property("DefaultDrawing", &TCustomGrid::DefaultDrawing, &TCustomGrid::SetDefaultDrawing).Default(true);
  PublishDragging(p);
  PublishEnabled(p);
  p.Property("FixedColor", &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor)
      .Type(ColorTypeInfo())
      .Default(clBtnFace);
  p.Property("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols).Default(1);
  p.Property("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount).Default(5);
  p.Property("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows).Default(1);
  PublishFont(p);
  p.Property("GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth).Default(1);
  p.Property("Options", &TCustomGrid::Options, &TCustomGrid::SetOptions)
      .Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect});
  PublishParentBiDiMode(p);
  PublishParentColor(p, false);
  PublishParentCtl3D(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("ScrollBars", &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars).Default(ssBoth);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  PublishVisible(p);
  PublishClickEvents(p);
  p.Property("OnColumnMoved", &TDrawGrid::OnColumnMoved);
  PublishDragEvents(p);
  p.Property("OnDrawCell", &TDrawGrid::OnDrawCell);
  PublishFocusEvents(p);
  p.Property("OnGetEditMask", &TDrawGrid::OnGetEditMask);
  p.Property("OnGetEditText", &TDrawGrid::OnGetEditText);
  PublishKeyEvents(p);
  PublishMouseEvents(p);
  p.Property("OnRowMoved", &TDrawGrid::OnRowMoved);
  p.Property("OnSelectCell", &TDrawGrid::OnSelectCell);
  p.Property("OnSetEditText", &TDrawGrid::OnSetEditText);
  p.Property("OnTopLeftChanged", &TDrawGrid::OnTopLeftChanged);
}
