// DrawEdge: the classic three-dimensional edges, drawn pixel for pixel as docs/classic-look.md
// shows.  An edge has up to two layers, outer and inner, each one pixel wide; each layer paints the
// selected sides of its rectangle: left and top in the layer's light colour, then right and bottom
// (over the corners they share) in its dark colour; the next layer's rectangle is one pixel inside
// on the sides drawn.
#pragma once

#include "platform/gdi/gdi_types.h"

inline constexpr UINT BDR_RAISEDOUTER = 0x0001, BDR_SUNKENOUTER = 0x0002, BDR_RAISEDINNER = 0x0004,
                      BDR_SUNKENINNER = 0x0008, BDR_OUTER = 0x0003, BDR_INNER = 0x000C, BDR_RAISED = 0x0005,
                      BDR_SUNKEN = 0x000A;
inline constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER, EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
                      EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER, EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
inline constexpr UINT BF_LEFT = 0x0001, BF_TOP = 0x0002, BF_RIGHT = 0x0004, BF_BOTTOM = 0x0008,
                      BF_TOPLEFT = BF_TOP | BF_LEFT, BF_TOPRIGHT = BF_TOP | BF_RIGHT,
                      BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT, BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
                      BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM, BF_DIAGONAL = 0x0010,
                      BF_DIAGONAL_ENDTOPRIGHT = BF_DIAGONAL | BF_TOP | BF_RIGHT,
                      BF_DIAGONAL_ENDTOPLEFT = BF_DIAGONAL | BF_TOP | BF_LEFT,
                      BF_DIAGONAL_ENDBOTTOMLEFT = BF_DIAGONAL | BF_BOTTOM | BF_LEFT,
                      BF_DIAGONAL_ENDBOTTOMRIGHT = BF_DIAGONAL | BF_BOTTOM | BF_RIGHT, BF_MIDDLE = 0x0800,
                      BF_SOFT = 0x1000, BF_ADJUST = 0x2000, BF_FLAT = 0x4000, BF_MONO = 0x8000;

// With BF_ADJUST the rectangle becomes the area inside the edge.
BOOL DrawEdge(HDC dc, TRect* rect, UINT edge, UINT flags);
