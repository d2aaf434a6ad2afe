// The look of the LISTBOX window class: the parent's WM_CTLCOLORLISTBOX brush behind the items;
// a selected item filled with COLOR_HIGHLIGHT, its text in COLOR_HIGHLIGHTTEXT; text 2 pixels in
// from the left, vertically centred, tabs expanded with LBS_USETABSTOPS; the caret item of a
// focused list has a focus frame.  Owner-draw lists send WM_DRAWITEM to the parent for each item
// in view instead.
#pragma once

#include "platform/user/user_types.h"

class ListBoxState;

void PaintListBox(HWND Window, HDC DC, const ListBoxState& State);
