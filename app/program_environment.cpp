#include "app/program_environment.h"

#include <array>

#include "app/translate_form.h"
#include "controls/editors/kx_date_text.h"
#include "controls/interim/calendar_offset.h"
#include "grid/bands.h"
#include "grid/pro_string_grid.h"
#include "platform/core/ansi_strings.h"
#include "platform/os/clock.h"
#include "platform/os/os_version.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/screen.h"
#include "platform/ui/size_constraints.h"
#include "suite/cfg_settings.h"
#include "suite/color_scheme.h"

namespace {

constexpr Integer kSizedFormTag = 999;
constexpr std::size_t kScreenContextDepth = 10;
constexpr Integer kScreenContextLength = 80;

// The area dialogs are centred in (pixels).
struct TWorkArea {
  Integer ScreenWidth = 0, ScreenHeight = 0;
  Integer Left = 0, SecondLeft = 0, Width = 0, Height = 0, Top = 0, SecondTop = 0, BottomAdjustment = 0;
};

TWorkArea CurrentWorkArea() {
  TWorkArea area;
  area.ScreenWidth = area.Width = Screen->Width();
  area.ScreenHeight = area.Height = Screen->Height();
  return area;
}

// Windows NT with a major version above 5.
bool IsNewerWindows() {
  const OSVERSIONINFO version = GetVersionEx();
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion > 5;
}

// A Tag-999 form takes its maximum size when that fits the screen, else its minimum size.
void SizeFromConstraints(TCustomForm* form, const TWorkArea& area, Integer heightLimit, Integer widthLimit) {
  TSizeConstraints* c = form->Constraints();
  if (c->MinHeight() == 0 || c->MinWidth() == 0) {
    c->SetMinHeight(form->Height());
    c->SetMinWidth(form->Width());
    // Constraints hold no negative size: a limit below the form's size leaves no maximum.
    if (heightLimit != 0) c->SetMaxHeight(c->MaxHeight() - (form->Height() - heightLimit));
    if (widthLimit != 0) c->SetMaxWidth(c->MaxWidth() - (form->Width() - widthLimit));
  }
  if (c->MaxHeight() != 0 && c->MaxWidth() != 0 && c->MaxHeight() < area.ScreenHeight &&
      c->MaxWidth() < area.ScreenWidth)
    form->SetBounds(form->Left(), form->Top(), c->MaxWidth(), c->MaxHeight());
  else if (c->MinHeight() != 0 && c->MinWidth() != 0)
    form->SetBounds(form->Left(), form->Top(), c->MinWidth(), c->MinHeight());
}

struct TScreenContexts {
  std::array<std::string, kScreenContextDepth + 1> saved;   // index 1..10
  std::size_t depth = 0;
  std::string current;
};

TScreenContexts& ScreenContexts() {
  static TScreenContexts contexts;
  return contexts;
}

}  // namespace

void PrepareForm(TCustomForm* Form) {
  if (Form->Name() == "MainForm") return;
  PlaceForm(Form, 0, 0);
  TranslateForm(Form);
  Application->ProcessMessages();
}

void PlaceForm(TCustomForm* Form, Integer HeightLimit, Integer WidthLimit) {
  const TWorkArea area = CurrentWorkArea();
  if (Form->Tag() == kSizedFormTag) SizeFromConstraints(Form, area, HeightLimit, WidthLimit);
  Integer left = 0, top = 0;
  if (Form->FormStyle() == fsMDIChild) {
    left = area.ScreenWidth / 2 - Form->Width() / 2 - 2;
    top = area.ScreenHeight / 2 - Form->Height() / 2 - 2;
  } else {
    left = area.Left + area.SecondLeft + area.Width / 2 - Form->Width() / 2;
    top = area.Height / 2 + area.Top + area.SecondTop - area.BottomAdjustment - Form->Height() / 2 - 5;
    if (!IsNewerWindows()) top += 2;
  }
  Form->SetBounds(left, top, Form->Width(), Form->Height());
}

void ApplyGridBandColors(TProStringGrid* Grid) {
  const Integer set = CfgSettings.UserColorType;
  const TColorSet& colors = ColorSets[std::size_t(set >= 1 && set <= kColorSetCount ? set - 1 : 0)];
  Grid->Bands()->SetPrimaryColor(TColor(colors.Grid));
  Grid->Bands()->SetSecondaryColor(clWindow);
}

void PushScreenContext(const std::string& Text) {
  TScreenContexts& s = ScreenContexts();
  ++s.depth;
  if (s.depth > kScreenContextDepth) {
    s.current.clear();
    return;
  }
  s.saved[s.depth] = Copy(s.current, 1, kScreenContextLength);
  s.current = Text;
}

void PopScreenContext() {
  TScreenContexts& s = ScreenContexts();
  if (s.depth >= 1 && s.depth <= kScreenContextDepth) s.current = s.saved[s.depth];
  else s.current.clear();
  if (s.depth != 0) --s.depth;
}

const std::string& CurrentScreenContext() { return ScreenContexts().current; }

Word CalendarOffsetOfDateText(const std::string& Text) {
  if (Text.size() < 4) return 0;
  const std::string year = Text.substr(Text.size() - 4);
  if (year.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::stoi(year) > 2500 ? 543 : 0;
}

void InitCalendarOffset() {
  std::string today;
  DateTimeToDisplayTextEx(true, today, Date());
  CalendarOffset = CalendarOffsetOfDateText(today);
}
