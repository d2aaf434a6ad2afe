// One window of the tree: what the window table keeps for a handle.
//
// Geometry: `rect` is the window rectangle and `client` the client rectangle, both in the client
// coordinates of the parent (screen coordinates for top-level windows, whose parent is the
// desktop).  `children` lists the child windows in z-order, topmost first; top-level windows are the
// desktop's children, and an owned window always lies above its owner there.
//
// Invariants: only the thread that created a window touches its record (`thread`); a record lives
// from CreateWindowEx until its WM_NCDESTROY has returned; code that sends a message must look the
// window up again by handle afterwards, since the receiver may have destroyed it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/region_data.h"
#include "platform/os/thread.h"
#include "platform/user/user_types.h"

namespace user {

class WindowClass;
class WindowSurface;

struct WindowProperty {
  std::string name;    // upper-cased; empty when the property is keyed by an atom
  ATOM atom = 0;
  HANDLE value = nullptr;
};

// One standard scroll bar's values (scroll_bar.h).
struct ScrollBarState {
  int min = 0;
  int max = 100;
  UINT page = 0;
  int pos = 0;
  int trackPos = 0;
  UINT disabledArrows = 0;   // ESB_ flags
  bool tracking = false;     // the thumb is being dragged: it shows trackPos
  int pressedPart = -1;      // the part held down, for drawing it pressed
};

struct Window {
  Window();
  ~Window();   // out of line: the surface's type is complete only there
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND handle = nullptr;
  WindowClass* windowClass = nullptr;
  TThreadID thread = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  Window* parent = nullptr;   // the desktop for top-level windows; null only for the desktop
  Window* owner = nullptr;    // top-level windows only
  std::vector<Window*> children;
  TRect rect;
  TRect client;
  WNDPROC proc = nullptr;
  bool unicode = false;       // the procedure takes wide text
  std::u16string text;
  LONG_PTR id = 0;            // GWLP_ID: the child id, or the menu of a top-level window
  LONG_PTR userData = 0;
  HINSTANCE instance = nullptr;
  std::vector<std::byte> extra;   // cbWndExtra bytes of GetWindowLong with positive indexes
  std::vector<WindowProperty> properties;

  // Life cycle.
  bool created = false;        // WM_NCCREATE accepted
  bool destroying = false;     // WM_DESTROY is on its way or sent
  bool sizeSent = false;       // WM_SIZE / WM_MOVE sent once after creation
  TRect normalRect;            // where a minimised or maximised window returns to

  // Painting.  The update region is in client coordinates.
  gdi::RegionData update;
  bool eraseNeeded = false;
  bool frameNeeded = false;    // WM_NCPAINT owed
  bool internalPaint = false;  // RDW_INTERNALPAINT without an update region
  bool captionActive = false;  // the caption state DefWindowProc last took from WM_NCACTIVATE
  std::unique_ptr<WindowSurface> surface;   // top-level windows that have been shown

  ScrollBarState scroll[2];   // SB_HORZ, SB_VERT
  int controlBar = -1;        // a scroll bar control (SB_CTL): the slot of scroll[] it keeps, else -1
  int pressedCaptionButton = 0;   // HTCLOSE / HTMAXBUTTON / HTMINBUTTON held down by the mouse

  // Layered windows (WS_EX_LAYERED): how the surface is composed over what lies behind.
  COLORREF layeredKey = 0;
  BYTE layeredAlpha = 255;
  DWORD layeredFlags = 0;     // LWA_COLORKEY | LWA_ALPHA

  // Window region (SetWindowRgn), window coordinates; empty optional = none.
  std::unique_ptr<gdi::RegionData> windowRegion;

  bool IsChild() const { return (style & 0x40000000) != 0; }
  bool IsVisibleFlag() const { return (style & 0x10000000) != 0; }
  bool IsDisabledFlag() const { return (style & 0x08000000) != 0; }
  bool IsTopLevel() const { return parent != nullptr && parent->parent == nullptr; }
};

}  // namespace user
