// The SDL display's per-frame and per-look costs on SDL's dummy video driver (no X server, so the
// numbers are the backend's own copying and event work, not the display's): presenting a whole
// 800 x 600 window, a look for events that finds none (every PeekMessage makes one), and Thai text
// input turned into WM_CHAR messages.
#include <benchmark/benchmark.h>

#include <SDL2/SDL.h>

#include <cstdlib>
#include <cstring>

#include "platform/user/backend/sdl/sdl_backend.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/window_class.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

struct Display {
  Display() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    backend = user::SdlBackend::Open().release();
    user::SetBackend(std::unique_ptr<user::Backend>(backend));
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "SdlBenchWindow";
    RegisterClassExA(&wc);
    hwnd = CreateWindowExA(0, "SdlBenchWindow", "bench", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr,
                           nullptr, nullptr);
  }
  user::SdlBackend* backend;
  HWND hwnd;
};

Display& TheDisplay() {
  static Display display;
  return display;
}

void Drain() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

void BM_PresentWholeWindow(benchmark::State& state) {
  Display& d = TheDisplay();
  Drain();
  for (auto _ : state) d.backend->Present(d.hwnd, Rect(0, 0, 800, 600));
}
BENCHMARK(BM_PresentWholeWindow);

void BM_LookForEventsFindingNone(benchmark::State& state) {
  Display& d = TheDisplay();
  Drain();
  for (auto _ : state) benchmark::DoNotOptimize(d.backend->PumpEvents(std::nullopt));
}
BENCHMARK(BM_LookForEventsFindingNone);

// Ten Thai characters (30 bytes of UTF-8) a text-input event, delivered as ten WM_CHAR messages.
void BM_ThaiTextInputToCharMessages(benchmark::State& state) {
  Display& d = TheDisplay();
  Drain();
  SDL_Event e{};
  e.text.type = SDL_TEXTINPUT;
  e.text.windowID = SDL_GetWindowID(d.backend->SdlWindowOf(d.hwnd));
  std::strcpy(e.text.text, "สวัสดีครับ");
  for (auto _ : state) {
    SDL_PushEvent(&e);
    Drain();
  }
  state.SetItemsProcessed(state.iterations() * 10);
}
BENCHMARK(BM_ThaiTextInputToCharMessages);

}  // namespace
