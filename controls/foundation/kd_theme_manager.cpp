// The theme cache, the notificator list and the receiver of WM_THEMECHANGED.
// Invariant: a type's handle is null or was opened with the type's class list.
#include "controls/foundation/kd_theme_manager.h"

#include <array>
#include <memory>

#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/notifier_list.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/ui/application.h"
#include "platform/ui/object_instance.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"

namespace {

constexpr std::array<std::u16string_view, kThemedObjectTypeCount> kClassNames = {
    u"Button", u"Clock", u"ComboBox", u"Edit", u"ExplorerBar", u"Header", u"ListBox", u"ListView", u"Menu",
    u"Page", u"Progress", u"Rebar", u"ScrollBar", u"Spin", u"StartPanel", u"Status", u"Tab", u"TaskBand",
    u"TaskBar", u"ToolBar", u"ToolTip", u"TrackBar", u"TrayNotify", u"TreeView", u"Window"};

// Hidden window whose WM_THEMECHANGED refreshes the manager.
class TkdThemeChangedEventReceiver {
 public:
  TkdThemeChangedEventReceiver();
  ~TkdThemeChangedEventReceiver();

 private:
  void WndProc(TMessage& Message);
  HWND window_ = nullptr;
};

std::array<TkdThemeData, kThemedObjectTypeCount> themeCache;
bool themesActive = false;
std::unique_ptr<TNotifierList<TkdThemeChangedNotificator>> notificators;
std::unique_ptr<TkdThemeChangedEventReceiver> receiver;

bool IsValidType(ThemedObjectType type) { return type >= 0 && type < kThemedObjectTypeCount; }

// Both lists as 8-bit texts, upper-cased with the locale's rules, compared exactly.
bool SameClassList(std::u16string_view a, std::u16string_view b) {
  return AnsiUpperCase(Utf16ToCp874(a)) == AnsiUpperCase(Utf16ToCp874(b));
}

void ReadThemesActive() { themesActive = kdUxTheme::IsThemeActive() != FALSE; }

TkdThemeChangedEventReceiver::TkdThemeChangedEventReceiver() {
  TWndMethod method;
  method.Bind(this, &TkdThemeChangedEventReceiver::WndProc);
  window_ = AllocateHWnd(method);
}

TkdThemeChangedEventReceiver::~TkdThemeChangedEventReceiver() {
  DeallocateHWnd(window_);
  themesActive = false;
}

void TkdThemeChangedEventReceiver::WndProc(TMessage& Message) {
  if (Message.Msg != WM_THEMECHANGED) {
    Message.Result = DefWindowProcA(window_, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  try {
    CloseAllThemeHandles();
    DefWindowProcA(window_, Message.Msg, Message.WParam, Message.LParam);
    ReadThemesActive();
    Message.Result = 0;
    if (notificators)
      notificators->Walk(false, [](TkdThemeChangedNotificator* notificator) { notificator->OnThemeChanged(); });
  } catch (...) {
    if (Application == nullptr) throw;
    Application->HandleException(nullptr);
  }
}

}  // namespace

bool ThemesActive() { return themesActive; }

bool AreVisualStylesAvailable(ThemedObjectTypes Types) {
  if (!themesActive || !kdUxTheme::IsVisualStyleLibraryBound()) return false;
  for (ThemedObjectType type = 0; type < 32; ++type)
    if ((Types >> type) & 1u)
      if (!IsValidType(type) || OpenThemeOfType(type) == nullptr) return false;
  return true;
}

bool IsThemeTypeAvailable(ThemedObjectType Type) {
  return themesActive && kdUxTheme::IsVisualStyleLibraryBound() && OpenThemeOfType(Type) != nullptr;
}

HTHEME OpenThemeOfType(ThemedObjectType Type, const WideChar* ClassList) {
  if (!AreVisualStylesAvailable(0) || !IsValidType(Type)) return nullptr;
  TkdThemeData& data = themeCache[std::size_t(Type)];
  if (data.Theme != nullptr) {
    if (ClassList == nullptr || SameClassList(ClassList, data.ClassList)) return data.Theme;
    CloseThemeOfType(Type);
  }
  const std::u16string list = ClassList != nullptr            ? std::u16string(ClassList)
                              : !data.ClassList.empty() ? data.ClassList
                                                        : std::u16string(kClassNames[std::size_t(Type)]);
  data.Theme = kdUxTheme::OpenThemeData(nullptr, list.c_str());
  if (data.Theme != nullptr) data.ClassList = list;
  else data.ClassList.clear();
  return data.Theme;
}

HRESULT CloseThemeOfType(ThemedObjectType Type) {
  if (!AreVisualStylesAvailable(0)) return 1;
  if (!IsValidType(Type) || themeCache[std::size_t(Type)].Theme == nullptr) return 0;
  TkdThemeData& data = themeCache[std::size_t(Type)];
  const HRESULT result = kdUxTheme::CloseThemeData(data.Theme);
  data.Theme = nullptr;
  data.ClassList.clear();
  return result;
}

void CloseAllThemeHandles() {
  for (TkdThemeData& data : themeCache) {
    if (data.Theme == nullptr) continue;
    kdUxTheme::CloseThemeData(data.Theme);
    data.Theme = nullptr;
  }
}

const TkdThemeData& ThemeDataOfType(ThemedObjectType Type) { return themeCache[IsValidType(Type) ? std::size_t(Type) : 0]; }

TkdThemeChangedNotificator::TkdThemeChangedNotificator() {
  if (kdUxTheme::IsVisualStyleLibraryBound() && notificators) notificators->Add(this);
}

TkdThemeChangedNotificator::~TkdThemeChangedNotificator() {
  if (notificators) notificators->Remove(this);
}

namespace {

void InitThemeManager() {
  if (!kdUxTheme::IsVisualStyleLibraryBound()) return;
  ReadThemesActive();
  receiver = std::make_unique<TkdThemeChangedEventReceiver>();
  notificators = std::make_unique<TNotifierList<TkdThemeChangedNotificator>>();
}

void DoneThemeManager() {
  if (kdUxTheme::IsVisualStyleLibraryBound()) {
    receiver.reset();
    CloseAllThemeHandles();
    notificators.reset();
  }
  themeCache.fill(TkdThemeData{});
}

}  // namespace

const Unit kdThemeManagerUnit = {"kdThemeManager", InitThemeManager, DoneThemeManager};
