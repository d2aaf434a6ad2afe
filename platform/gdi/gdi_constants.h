// The numeric constants of the drawing layer's calls, with the platform's values: object types,
// pen, brush and hatch styles, drawing modes, stock objects, device capability indexes, region
// results, bitmap formats, alpha-blend and gradient modes.  Raster operations are in raster_ops.h.
#pragma once

#include "platform/gdi/gdi_types.h"

// GetObjectType
inline constexpr DWORD OBJ_PEN = 1, OBJ_BRUSH = 2, OBJ_DC = 3, OBJ_METADC = 4, OBJ_PAL = 5, OBJ_FONT = 6,
                       OBJ_BITMAP = 7, OBJ_REGION = 8, OBJ_METAFILE = 9, OBJ_MEMDC = 10, OBJ_EXTPEN = 11,
                       OBJ_ENHMETADC = 12, OBJ_ENHMETAFILE = 13, OBJ_COLORSPACE = 14;

// Pen styles
inline constexpr UINT PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5,
                      PS_INSIDEFRAME = 6, PS_USERSTYLE = 7, PS_ALTERNATE = 8, PS_STYLE_MASK = 0x0F;
inline constexpr UINT PS_ENDCAP_ROUND = 0x000, PS_ENDCAP_SQUARE = 0x100, PS_ENDCAP_FLAT = 0x200,
                      PS_ENDCAP_MASK = 0xF00;
inline constexpr UINT PS_JOIN_ROUND = 0x0000, PS_JOIN_BEVEL = 0x1000, PS_JOIN_MITER = 0x2000,
                      PS_JOIN_MASK = 0xF000;
inline constexpr UINT PS_COSMETIC = 0x00000, PS_GEOMETRIC = 0x10000, PS_TYPE_MASK = 0xF0000;

// Brush styles and hatches
inline constexpr UINT BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = BS_NULL, BS_HATCHED = 2, BS_PATTERN = 3,
                      BS_INDEXED = 4, BS_DIBPATTERN = 5, BS_DIBPATTERNPT = 6, BS_PATTERN8X8 = 7,
                      BS_DIBPATTERN8X8 = 8, BS_MONOPATTERN = 9;
inline constexpr int HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4,
                     HS_DIAGCROSS = 5;

// Background modes, polygon fill modes, stretch modes, mapping modes, arc directions
inline constexpr int TRANSPARENT = 1, OPAQUE = 2;
inline constexpr int ALTERNATE = 1, WINDING = 2;
inline constexpr int BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4;
inline constexpr int STRETCH_ANDSCANS = 1, STRETCH_ORSCANS = 2, STRETCH_DELETESCANS = 3, STRETCH_HALFTONE = 4;
inline constexpr int MM_TEXT = 1;
inline constexpr int AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2;

// Stock objects
inline constexpr int WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4,
                     NULL_BRUSH = 5, HOLLOW_BRUSH = NULL_BRUSH, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8,
                     OEM_FIXED_FONT = 10, ANSI_FIXED_FONT = 11, ANSI_VAR_FONT = 12, SYSTEM_FONT = 13,
                     DEVICE_DEFAULT_FONT = 14, DEFAULT_PALETTE = 15, SYSTEM_FIXED_FONT = 16,
                     DEFAULT_GUI_FONT = 17, DC_BRUSH = 18, DC_PEN = 19, STOCK_LAST = 19;

// GetDeviceCaps indexes
inline constexpr int DRIVERVERSION = 0, TECHNOLOGY = 2, HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8,
                     VERTRES = 10, BITSPIXEL = 12, PLANES = 14, NUMBRUSHES = 16, NUMPENS = 18,
                     NUMMARKERS = 20, NUMFONTS = 22, NUMCOLORS = 24, PDEVICESIZE = 26, CURVECAPS = 28,
                     LINECAPS = 30, POLYGONALCAPS = 32, TEXTCAPS = 34, CLIPCAPS = 36, RASTERCAPS = 38,
                     ASPECTX = 40, ASPECTY = 42, ASPECTXY = 44, LOGPIXELSX = 88, LOGPIXELSY = 90,
                     SIZEPALETTE = 104, NUMRESERVED = 106, COLORRES = 108, PHYSICALWIDTH = 110,
                     PHYSICALHEIGHT = 111, PHYSICALOFFSETX = 112, PHYSICALOFFSETY = 113,
                     SCALINGFACTORX = 114, SCALINGFACTORY = 115, VREFRESH = 116, DESKTOPVERTRES = 117,
                     DESKTOPHORZRES = 118, BLTALIGNMENT = 119, SHADEBLENDCAPS = 120;
inline constexpr int DT_PLOTTER = 0, DT_RASDISPLAY = 1, DT_RASPRINTER = 2;
inline constexpr int RC_BITBLT = 0x1, RC_BANDING = 0x2, RC_SCALING = 0x4, RC_BITMAP64 = 0x8,
                     RC_GDI20_OUTPUT = 0x10, RC_DI_BITMAP = 0x80, RC_PALETTE = 0x100, RC_DIBTODEV = 0x200,
                     RC_BIGFONT = 0x400, RC_STRETCHBLT = 0x800, RC_FLOODFILL = 0x1000, RC_STRETCHDIB = 0x2000;
inline constexpr int SB_PIXEL_ALPHA = 0x1, SB_CONST_ALPHA = 0x2, SB_GRAD_RECT = 0x10;

// Region results and combine modes
inline constexpr int ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3, RGN_ERROR = ERROR;
inline constexpr int RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5;
inline constexpr DWORD RDH_RECTANGLES = 1;

// Bitmaps and DIBs
inline constexpr DWORD BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3;
inline constexpr UINT DIB_RGB_COLORS = 0, DIB_PAL_COLORS = 1;
inline constexpr DWORD CBM_INIT = 4;

// Flood fill, alpha blending, gradients
inline constexpr UINT FLOODFILLBORDER = 0, FLOODFILLSURFACE = 1;
inline constexpr BYTE AC_SRC_OVER = 0, AC_SRC_ALPHA = 1;
inline constexpr ULONG GRADIENT_FILL_RECT_H = 0, GRADIENT_FILL_RECT_V = 1, GRADIENT_FILL_TRIANGLE = 2;

// Path point types (GetPath)
inline constexpr BYTE PT_CLOSEFIGURE = 1, PT_LINETO = 2, PT_BEZIERTO = 4, PT_MOVETO = 6;
