// The SDL display on SDL's dummy video driver (no real display needed): windows follow their
// top-level windows, painting reaches the SDL window's pixels, SDL events become the window
// layer's messages (Thai text input as code page 874 WM_CHAR), and clipboard text is mirrored.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/shims/drag_drop_registry.h"
#include "platform/shims/ole_init.h"
#include "platform/user/backend/sdl/sdl_backend.h"
#include "platform/user/clipboard.h"
#include "platform/user/drop_files.h"
#include "platform/user/focus.h"
#include "platform/user/global_memory.h"
#include "platform/user/message_ids.h"
#include "platform/user/painting.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using namespace user;

struct Message {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class SdlBackendTest : public UserTest {
 protected:
  SdlBackendTest() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::string reason;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open(&reason);
    if (backend == nullptr) {
      ADD_FAILURE() << "SDL's dummy video did not start: " << reason;
      return;
    }
    sdl_ = backend.get();
    previous_ = SetBackend(std::move(backend));
    hwnd_ = CreateLogWindow("w", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, nullptr);
    Pump();
    MessageLog::Instance().handler = [this](HWND h, UINT m, WPARAM wp, LPARAM lp, LRESULT&) {
      if (h == hwnd_ && m != WM_PAINT) seen_.push_back({m, wp, lp});
      if (m != WM_PAINT || paint_ == CLR_INVALID) return false;
      PAINTSTRUCT ps;
      BeginPaint(h, &ps);
      HBRUSH brush = CreateSolidBrush(paint_);
      FillRect(ps.hdc, &ps.rcPaint, brush);
      DeleteObject(brush);
      EndPaint(h, &ps);
      return true;
    };
  }
  ~SdlBackendTest() override {
    MessageLog::Instance().handler = nullptr;
    if (sdl_ != nullptr) SetBackend(std::move(previous_));
  }

  SDL_Window* Sdl(HWND h) const { return sdl_->SdlWindowOf(h); }
  Uint32 Id() const { return SDL_GetWindowID(Sdl(hwnd_)); }

  // Pushes the events and lets the window layer take them; returns the messages of interest.
  std::vector<Message> Deliver(std::vector<SDL_Event> events, std::initializer_list<UINT> wanted) {
    seen_.clear();
    for (SDL_Event& e : events) SDL_PushEvent(&e);
    Pump();
    std::vector<Message> kept;
    for (const Message& m : seen_)
      if (std::find(wanted.begin(), wanted.end(), m.message) != wanted.end()) kept.push_back(m);
    return kept;
  }

  SDL_Event Button(Uint32 type, Uint8 button, int x, int y) const {
    SDL_Event e{};
    e.button = {type, 0, Id(), 0, button, Uint8(type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED), 1, 0, x, y};
    return e;
  }
  SDL_Event KeyEvent(Uint32 type, SDL_Scancode scancode, Uint16 modifiers = 0) const {
    SDL_Event e{};
    e.key.type = type;
    e.key.windowID = Id();
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.scancode = scancode;
    e.key.keysym.mod = modifiers;
    return e;
  }
  SDL_Event TextEvent(const char* utf8) const {
    SDL_Event e{};
    e.text.type = SDL_TEXTINPUT;
    e.text.windowID = Id();
    std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
    return e;
  }
  SDL_Event DropEvent(Uint32 type, const char* item = nullptr) const {
    SDL_Event e{};
    e.drop.type = type;
    e.drop.file = item != nullptr ? SDL_strdup(item) : nullptr;
    e.drop.windowID = Id();
    return e;
  }
  SDL_Event WindowEvent(Uint8 event, int data1 = 0, int data2 = 0) const {
    SDL_Event e{};
    e.window.type = SDL_WINDOWEVENT;
    e.window.windowID = Id();
    e.window.event = event;
    e.window.data1 = data1;
    e.window.data2 = data2;
    return e;
  }

  // The colour the SDL window shows at one of its points.
  COLORREF Shown(int x, int y) const {
    SDL_Surface* s = SDL_GetWindowSurface(Sdl(hwnd_));
    Uint32 pixel = 0;
    std::memcpy(&pixel, static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * 4, 4);
    Uint8 r, g, b;
    SDL_GetRGB(pixel, s->format, &r, &g, &b);
    return RGB(r, g, b);
  }

  SdlBackend* sdl_ = nullptr;
  std::unique_ptr<Backend> previous_;
  HWND hwnd_ = nullptr;
  COLORREF paint_ = CLR_INVALID;
  std::vector<Message> seen_;
};

TEST_F(SdlBackendTest, SdlWindowsFollowTheirTopLevelWindows) {
  SDL_Window* window = Sdl(hwnd_);
  ASSERT_NE(window, nullptr);
  int x, y, width, height;
  SDL_GetWindowPosition(window, &x, &y);
  SDL_GetWindowSize(window, &width, &height);
  EXPECT_EQ(std::vector<int>({x, y, width, height}), std::vector<int>({100, 100, 200, 150}));
  EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_BORDERLESS);
  SetWindowPos(hwnd_, nullptr, 40, 30, 220, 90, SWP_NOZORDER);
  SetWindowTextA(hwnd_, std::string("เงินเดือน"_cp874).c_str());
  SDL_GetWindowPosition(window, &x, &y);
  SDL_GetWindowSize(window, &width, &height);
  EXPECT_EQ(std::vector<int>({x, y, width, height}), std::vector<int>({40, 30, 220, 90}));
  EXPECT_STREQ(SDL_GetWindowTitle(window), "เงินเดือน");
  ShowWindow(hwnd_, SW_HIDE);
  EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_HIDDEN);

  struct Case {
    const char* name;
    DWORD style, exStyle;
    bool owned;
    Uint32 flag;
  } cases[] = {{"drop-down", WS_POPUP | WS_BORDER, 0, true, SDL_WINDOW_POPUP_MENU},
               {"topmost", WS_POPUP | WS_CAPTION, WS_EX_TOPMOST, false, SDL_WINDOW_ALWAYS_ON_TOP},
               {"tool window", WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, true, SDL_WINDOW_UTILITY}};
  for (const Case& c : cases) {
    HWND h = CreateLogWindow(c.name, c.style | WS_VISIBLE, 10, 10, 50, 40, c.owned ? hwnd_ : nullptr, c.exStyle);
    ASSERT_NE(Sdl(h), nullptr) << c.name;
    EXPECT_TRUE(SDL_GetWindowFlags(Sdl(h)) & c.flag) << c.name;
    DestroyWindow(h);
    EXPECT_EQ(Sdl(h), nullptr) << c.name;
  }
}

TEST_F(SdlBackendTest, PaintingReachesTheSdlWindow) {
  paint_ = RGB(200, 30, 40);
  InvalidateRect(hwnd_, nullptr, TRUE);
  Pump();
  EXPECT_EQ(Shown(0, 0), paint_);
  EXPECT_EQ(Shown(199, 149), paint_);
  // Only the part painted again changes.
  paint_ = RGB(10, 90, 250);
  const TRect part = Rect(50, 50, 60, 60);
  InvalidateRect(hwnd_, &part, TRUE);
  Pump();
  EXPECT_EQ(Shown(55, 55), paint_);
  EXPECT_EQ(Shown(40, 40), RGB(200, 30, 40));
}

TEST_F(SdlBackendTest, ThaiTextInputGivesCodePage874Characters) {
  // An input method delivers its text in pieces of UTF-8.
  const std::vector<Message> chars =
      Deliver({TextEvent("สวั"), TextEvent("สดี"), TextEvent("ครับ 1")}, {WM_CHAR});
  std::string bytes;
  for (const Message& m : chars) bytes.push_back(char(m.wParam));
  EXPECT_EQ(bytes, std::string("สวัสดีครับ 1"_cp874));
}

TEST_F(SdlBackendTest, KeysGiveVirtualKeysWithTheExtendedBitAndOnlyTheirOwnCharacters) {
  const std::vector<Message> m = Deliver(
      {KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_RIGHT), KeyEvent(SDL_KEYUP, SDL_SCANCODE_RIGHT),
       KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_A), TextEvent("a"), KeyEvent(SDL_KEYUP, SDL_SCANCODE_A),
       KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_RETURN), KeyEvent(SDL_KEYUP, SDL_SCANCODE_RETURN),
       KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_LCTRL, KMOD_LCTRL), KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_C, KMOD_LCTRL),
       KeyEvent(SDL_KEYUP, SDL_SCANCODE_C, KMOD_LCTRL), KeyEvent(SDL_KEYUP, SDL_SCANCODE_LCTRL)},
      {WM_KEYDOWN, WM_KEYUP, WM_CHAR});
  struct Expected {
    UINT message;
    WPARAM wParam;
    bool extended;
  } expected[] = {{WM_KEYDOWN, VK_RIGHT, true}, {WM_KEYUP, VK_RIGHT, true}, {WM_KEYDOWN, 'A', false},
                  {WM_CHAR, 'a', false},        {WM_KEYUP, 'A', false},     {WM_KEYDOWN, VK_RETURN, false},
                  {WM_CHAR, '\r', false},       {WM_KEYUP, VK_RETURN, false}, {WM_KEYDOWN, VK_CONTROL, false},
                  {WM_KEYDOWN, 'C', false},     {WM_CHAR, 3, false},        {WM_KEYUP, 'C', false},
                  {WM_KEYUP, VK_CONTROL, false}};
  ASSERT_EQ(m.size(), std::size(expected));
  for (std::size_t i = 0; i < m.size(); ++i) {
    EXPECT_EQ(m[i].message, expected[i].message) << i;
    EXPECT_EQ(m[i].wParam, expected[i].wParam) << i;
    if (m[i].message != WM_CHAR) {
      EXPECT_EQ((m[i].lParam >> 24) & 1, LPARAM(expected[i].extended)) << i;
    }
  }
}

TEST_F(SdlBackendTest, MouseButtonsAndWheelReachTheWindowAtTheirPoints) {
  const std::vector<Message> m = Deliver(
      {Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 30, 40), Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 31, 41),
       Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 5, 6), Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 5, 6)},
      {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP});
  struct Expected {
    UINT message;
    int x, y;
  } expected[] = {{WM_LBUTTONDOWN, 30, 40}, {WM_LBUTTONUP, 31, 41}, {WM_RBUTTONDOWN, 5, 6}, {WM_RBUTTONUP, 5, 6}};
  ASSERT_EQ(m.size(), std::size(expected));
  for (std::size_t i = 0; i < m.size(); ++i) {
    EXPECT_EQ(m[i].message, expected[i].message) << i;
    EXPECT_EQ(GET_X_LPARAM(m[i].lParam), expected[i].x) << i;
    EXPECT_EQ(GET_Y_LPARAM(m[i].lParam), expected[i].y) << i;
  }
  SDL_Event wheel{};
  wheel.wheel = {SDL_MOUSEWHEEL, 0, Id(), 0, 0, -2, SDL_MOUSEWHEEL_NORMAL, 0.0f, -2.0f, 30, 40};
  const std::vector<Message> w = Deliver({wheel}, {WM_MOUSEWHEEL});
  ASSERT_EQ(w.size(), 1u);
  EXPECT_EQ(short(HIWORD(w[0].wParam)), -240);
}

TEST_F(SdlBackendTest, TheDisplayMovesSizesAndClosesWindows) {
  Deliver({WindowEvent(SDL_WINDOWEVENT_MOVED, 300, 250), WindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 120, 80)}, {});
  TRect r;
  GetWindowRect(hwnd_, &r);
  EXPECT_EQ(r, Rect(300, 250, 420, 330));
  const std::vector<Message> m = Deliver({WindowEvent(SDL_WINDOWEVENT_CLOSE)}, {WM_SYSCOMMAND});
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].wParam & 0xFFF0, WPARAM(SC_CLOSE));
  EXPECT_FALSE(IsWindow(hwnd_)) << "the default handling closes the window";
  EXPECT_EQ(Sdl(hwnd_), nullptr);
}

// The keyboard going to another program deactivates the program; coming back activates it.  The
// keyboard moving to another window of ours leaves the program active.
TEST_F(SdlBackendTest, TheKeyboardFocusOfTheDisplayActivatesAndDeactivatesTheProgram) {
  SetActiveWindow(hwnd_);
  SetFocus(hwnd_);
  const std::initializer_list<UINT> wanted{WM_ACTIVATEAPP, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS};
  std::vector<Message> m = Deliver({WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST)}, wanted);
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0].message, UINT(WM_ACTIVATE));
  EXPECT_EQ(LOWORD(m[0].wParam), WA_INACTIVE);
  EXPECT_EQ(m[1].message, UINT(WM_ACTIVATEAPP));
  EXPECT_EQ(m[1].wParam, WPARAM(FALSE));
  EXPECT_EQ(m[2].message, UINT(WM_KILLFOCUS));
  EXPECT_EQ(GetActiveWindow(), nullptr);

  m = Deliver({WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED)}, wanted);
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0].message, UINT(WM_ACTIVATEAPP));
  EXPECT_EQ(m[0].wParam, WPARAM(TRUE));
  EXPECT_EQ(m[1].message, UINT(WM_ACTIVATE));
  EXPECT_EQ(LOWORD(m[1].wParam), WA_ACTIVE);
  EXPECT_EQ(m[2].message, UINT(WM_SETFOCUS));

  HWND other = CreateLogWindow("other", WS_POPUP | WS_VISIBLE, 400, 100, 100, 100, nullptr);
  Pump();
  SDL_Event gained = WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  gained.window.windowID = SDL_GetWindowID(Sdl(other));
  m = Deliver({WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST), gained}, {WM_ACTIVATEAPP});
  EXPECT_TRUE(m.empty()) << "the program stays active";
  EXPECT_EQ(GetActiveWindow(), other);
}

TEST_F(SdlBackendTest, FilesDroppedTogetherAreOneDropOnTheWindow) {
  DragAcceptFiles(hwnd_, TRUE);
  const std::vector<Message> m =
      Deliver({DropEvent(SDL_DROPBEGIN), DropEvent(SDL_DROPFILE, "/tmp/a b.txt"),
               DropEvent(SDL_DROPFILE, "/tmp/\xE0\xB8\x81.csv"), DropEvent(SDL_DROPCOMPLETE)},
              {WM_DROPFILES});
  ASSERT_EQ(m.size(), 1u);
  HDROP files = HDROP(m[0].wParam);
  char16_t path[32];
  ASSERT_EQ(DragQueryFileW(files, 0xFFFFFFFF, nullptr, 0), 2u);
  DragQueryFileW(files, 0, path, 32);
  EXPECT_EQ(std::u16string(path), u"/tmp/a b.txt");
  DragQueryFileW(files, 1, path, 32);
  EXPECT_EQ(std::u16string(path), u"/tmp/\u0E01.csv");
  DragFinish(files);
}

// Takes any text it is offered and keeps it as code page 874 (CF_TEXT).
class TextTarget : public TOleInterfacedObject<IDropTarget> {
 public:
  HRESULT DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override { return Copy(effect); }
  HRESULT DragOver(DWORD, POINTL, DWORD* effect) override { return Copy(effect); }
  HRESULT DragLeave() override { return S_OK; }
  HRESULT Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
    const FORMATETC text{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&text, &medium) != S_OK) return DV_E_FORMATETC;
    dropped = static_cast<const char*>(GlobalLock(medium.hGlobal));
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    at = TPoint{point.x, point.y};
    return Copy(effect);
  }
  std::string dropped;
  TPoint at{};

 private:
  static HRESULT Copy(DWORD* effect) {
    *effect = DROPEFFECT_COPY;
    return S_OK;
  }
};

TEST_F(SdlBackendTest, TextDroppedOnAWindowWithADropTargetReachesIt) {
  ASSERT_EQ(OleInitialize(nullptr), S_OK);
  TInterfacePtr<TextTarget> target(new TextTarget);
  ASSERT_EQ(RegisterDragDrop(hwnd_, target.get()), S_OK);
  TPoint pointer{};
  SDL_GetGlobalMouseState(&pointer.X, &pointer.Y);
  TRect r{};
  GetWindowRect(hwnd_, &r);
  ASSERT_FALSE(PtInRect(&r, pointer)) << "the dummy display's pointer is off the window";
  Deliver({DropEvent(SDL_DROPBEGIN), DropEvent(SDL_DROPTEXT, "\xE0\xB8\x81 OK"), DropEvent(SDL_DROPCOMPLETE)}, {});
  EXPECT_EQ(target->dropped, "\xA1 OK") << "code page 874";
  EXPECT_EQ(target->at, (TPoint{200, 175})) << "the middle of the window, as the drop event has no point";
  EXPECT_EQ(RevokeDragDrop(hwnd_), S_OK);
  OleUninitialize();
}

TEST_F(SdlBackendTest, ClipboardTextTravelsAsUtf8) {
  const std::string thai("ค่าจ้าง"_cp874);
  ASSERT_TRUE(OpenClipboard(hwnd_));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, thai.size() + 1);
  std::memcpy(GlobalLock(block), thai.c_str(), thai.size() + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
  char* text = SDL_GetClipboardText();
  EXPECT_STREQ(text, "ค่าจ้าง");
  SDL_free(text);

  SDL_SetClipboardText("โบนัส");
  ASSERT_TRUE(OpenClipboard(hwnd_));
  HANDLE got = GetClipboardData(CF_TEXT);
  ASSERT_NE(got, nullptr);
  EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(got))), std::string("โบนัส"_cp874));
  GlobalUnlock(got);
  CloseClipboard();
}

}  // namespace
}  // namespace usertest
