#include "platform/ui/message_box.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/classes/publisher.h"
#include "platform/core/cp874.h"
#include "platform/ui/message_box_form.h"

PR_IMPLEMENT_CLASS(TMessageBoxForm)

namespace {

struct ButtonSpec {
  const char* caption;
  int id;
};

std::vector<ButtonSpec> ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{"OK", IDOK}, {"Cancel", IDCANCEL}};
    case MB_ABORTRETRYIGNORE: return {{"&Abort", IDABORT}, {"&Retry", IDRETRY}, {"&Ignore", IDIGNORE}};
    case MB_YESNOCANCEL: return {{"&Yes", IDYES}, {"&No", IDNO}, {"Cancel", IDCANCEL}};
    case MB_YESNO: return {{"&Yes", IDYES}, {"&No", IDNO}};
    case MB_RETRYCANCEL: return {{"&Retry", IDRETRY}, {"Cancel", IDCANCEL}};
    default: return {{"OK", IDOK}};
  }
}

TMessageIcon IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONSTOP: return TMessageIcon::Stop;
    case MB_ICONQUESTION: return TMessageIcon::Question;
    case MB_ICONEXCLAMATION: return TMessageIcon::Exclamation;
    case 0: return TMessageIcon::None;
    default: return TMessageIcon::Information;
  }
}

}  // namespace

TMessageBoxForm::TMessageBoxForm(TComponent* AOwner, const std::string& Text, const std::string& Caption, UINT Type)
    : TMessageFormBase(AOwner, Text, Caption), type_(Type) {
  const std::vector<ButtonSpec> specs = ButtonsOf(type_);
  std::vector<TMessageButtonSpec> buttons;
  for (const ButtonSpec& spec : specs) buttons.push_back({spec.caption, "Button" + std::to_string(spec.id), spec.id});
  std::size_t defaultIndex = (type_ & MB_DEFMASK) >> 8;
  if (defaultIndex >= specs.size()) defaultIndex = 0;
  const auto cancel = std::find_if(specs.begin(), specs.end(), [](const ButtonSpec& s) { return s.id == IDCANCEL; });
  const std::size_t cancelIndex = cancel != specs.end() ? std::size_t(cancel - specs.begin())
                                  : specs.size() == 1   ? 0
                                                        : specs.size();
  BuildLayout(IconOf(type_), buttons, defaultIndex, cancelIndex);
}

int TMessageBoxForm::Answer(TModalResult Result) const {
  if (ButtonOf(Result) != nullptr) return int(Result);
  // Closed without a button: Cancel when there is one, else the only button's answer.
  const std::vector<ButtonSpec> specs = ButtonsOf(type_);
  return specs.size() == 1 ? specs.front().id : IDCANCEL;
}

int MessageBoxA(HWND, const char* text, const char* caption, UINT type) {
  TMessageBoxForm form(nullptr, text != nullptr ? text : "", caption != nullptr ? caption : "Error", type);
  return form.Answer(form.ShowModal());
}

int MessageBoxW(HWND owner, const char16_t* text, const char16_t* caption, UINT type) {
  const std::string narrowText = text != nullptr ? Utf16ToCp874(text) : std::string();
  const std::string narrowCaption = caption != nullptr ? Utf16ToCp874(caption) : std::string("Error");
  return MessageBoxA(owner, narrowText.c_str(), narrowCaption.c_str(), type);
}
