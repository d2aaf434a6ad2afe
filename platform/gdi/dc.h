// Device contexts: creation, state, coordinate origins, colours and modes, capabilities.
//
// CreateCompatibleDC gives a memory context holding the 1 x 1 monochrome stock bitmap until a
// bitmap is selected; CreateDCA("DISPLAY", ...) gives the display context used for measuring (the
// window layer's GetDC(0) hands out this kind); it reports the screen's capabilities and draws
// nothing.  Only the MM_TEXT mapping exists: one logical unit is one pixel, y grows downward.
#pragma once

#include "platform/gdi/gdi_types.h"

HDC CreateCompatibleDC(HDC reference);
HDC CreateDCA(const char* driver, const char* device, const char* output, const void* initData);
BOOL DeleteDC(HDC dc);

int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int level);

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int rop2);
int GetROP2(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);
int SetArcDirection(HDC dc, int direction);
int GetArcDirection(HDC dc);
int SetMapMode(HDC dc, int mode);   // only MM_TEXT is accepted
int GetMapMode(HDC dc);
COLORREF SetDCBrushColor(HDC dc, COLORREF color);
COLORREF GetDCBrushColor(HDC dc);
COLORREF SetDCPenColor(HDC dc, COLORREF color);
COLORREF GetDCPenColor(HDC dc);

BOOL SetWindowOrgEx(HDC dc, int x, int y, TPoint* old);
BOOL GetWindowOrgEx(HDC dc, TPoint* org);
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, TPoint* old);
BOOL SetViewportOrgEx(HDC dc, int x, int y, TPoint* old);
BOOL GetViewportOrgEx(HDC dc, TPoint* org);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* old);
BOOL SetBrushOrgEx(HDC dc, int x, int y, TPoint* old);   // device coordinates
BOOL GetBrushOrgEx(HDC dc, TPoint* org);
BOOL LPtoDP(HDC dc, TPoint* points, int count);
BOOL DPtoLP(HDC dc, TPoint* points, int count);
BOOL GetDCOrgEx(HDC dc, TPoint* org);
BOOL MoveToEx(HDC dc, int x, int y, TPoint* old);
BOOL GetCurrentPositionEx(HDC dc, TPoint* position);

int GetDeviceCaps(HDC dc, int index);
// The colour the device shows for a colour; at 32 bits per pixel the colour itself.
COLORREF GetNearestColor(HDC dc, COLORREF color);
// Drawing happens at once; kept for programs that flush before touching DIB bits.
BOOL GdiFlush();
