#include "recording_theme_provider.h"

#include <cstddef>
#include <cstdint>
#include <utility>

namespace themetest {
namespace {

// The provider whose functions are running (plain function pointers carry no object).
TRecordingThemeProvider* current = nullptr;

void LogCall(std::string_view function) {
  if (current != nullptr) current->log.push_back("call " + std::string(function));
}

template <std::size_t Index>
void RecordCall() {
  LogCall(kThemeFunctionNames[Index]);
}

template <std::size_t... Index>
constexpr std::array<FARPROC, sizeof...(Index)> MakeRecorders(std::index_sequence<Index...>) {
  return {&RecordCall<Index>...};
}

// One distinct untyped recorder per name; the functions tests call through their types below.
constexpr auto kRecorders = MakeRecorders(std::make_index_sequence<kThemeFunctionNames.size()>());

HTHEME FakeOpenThemeData(HWND, const WideChar* classList) {
  std::string list;
  for (const WideChar* c = classList; c != nullptr && *c != 0; ++c) list += char(*c);   // ASCII class names
  LogCall("OpenThemeData " + list);
  return reinterpret_cast<HTHEME>(std::uintptr_t{0x7E});
}
HRESULT FakeCloseThemeData(HTHEME) {
  LogCall("CloseThemeData");
  return S_OK;
}
HRESULT FakeDrawThemeBackground(HTHEME, HDC, int partId, int stateId, const RECT*, const RECT*) {
  LogCall("DrawThemeBackground " + std::to_string(partId) + " " + std::to_string(stateId));
  return S_OK;
}
BOOL FakeIsThemeActive() {
  LogCall("IsThemeActive");
  return current != nullptr ? current->themeActive : FALSE;
}
HRESULT FakeGetCurrentThemeName(WideChar*, int, WideChar*, int, WideChar*, int) {
  LogCall("GetCurrentThemeName");
  return E_NOTIMPL;
}

FARPROC TypedFunction(std::string_view name) {
  if (name == "OpenThemeData") return reinterpret_cast<FARPROC>(&FakeOpenThemeData);
  if (name == "CloseThemeData") return reinterpret_cast<FARPROC>(&FakeCloseThemeData);
  if (name == "DrawThemeBackground") return reinterpret_cast<FARPROC>(&FakeDrawThemeBackground);
  if (name == "IsThemeActive") return reinterpret_cast<FARPROC>(&FakeIsThemeActive);
  if (name == "GetCurrentThemeName") return reinterpret_cast<FARPROC>(&FakeGetCurrentThemeName);
  return nullptr;
}

}  // namespace

TRecordingThemeProvider::~TRecordingThemeProvider() {
  if (current == this) current = nullptr;
}

bool TRecordingThemeProvider::Attach() {
  log.push_back("load");
  if (available_) current = this;
  return available_;
}

FARPROC TRecordingThemeProvider::Export(std::string_view name) {
  log.push_back("lookup " + std::string(name));
  if (missing.contains(name)) return nullptr;
  if (FARPROC typed = TypedFunction(name)) return typed;
  for (std::size_t i = 0; i < kThemeFunctionNames.size(); ++i)
    if (kThemeFunctionNames[i] == name) return kRecorders[i];
  return nullptr;
}

void TRecordingThemeProvider::Detach() { log.push_back("free"); }

std::vector<std::string> LookedUpNames(const std::vector<std::string>& log) {
  std::vector<std::string> names;
  for (const std::string& line : log)
    if (line.starts_with("lookup ")) names.push_back(line.substr(7));
  return names;
}

}  // namespace themetest
