#include "platform/ui/message_form.h"

#include <algorithm>
#include <vector>

#include "platform/classes/publisher.h"
#include "platform/ui/application.h"

PR_IMPLEMENT_CLASS(TMessageForm)

namespace {

struct ButtonKind {
  const char* caption;
  const char* name;
  TModalResult result;
};

// By TMsgDlgBtn, in its order.
constexpr ButtonKind kButtonKinds[] = {
    {"&Yes", "Yes", mrYes},           {"&No", "No", mrNo},
    {"OK", "OK", mrOk},               {"Cancel", "Cancel", mrCancel},
    {"&Abort", "Abort", mrAbort},     {"&Retry", "Retry", mrRetry},
    {"&Ignore", "Ignore", mrIgnore},  {"&All", "All", mrAll},
    {"N&o to All", "NoToAll", mrNoToAll}, {"Yes to &All", "YesToAll", mrYesToAll},
    {"&Help", "Help", mrNone},
};
constexpr TMsgDlgBtn kLastButton = mbHelp;

struct TypeLook {
  const char* caption;
  TMessageIcon icon;
};

// By TMsgDlgType; mtCustom takes the application's title.
constexpr TypeLook kTypeLooks[] = {
    {"Warning", TMessageIcon::Exclamation},  {"Error", TMessageIcon::Stop},
    {"Information", TMessageIcon::Information}, {"Confirmation", TMessageIcon::Question},
    {"", TMessageIcon::None},
};

std::string CaptionOf(TMsgDlgType type) {
  if (type == mtCustom) return Application != nullptr ? Application->Title() : std::string();
  return kTypeLooks[type].caption;
}

// The first of the preferred kinds that the dialog shows, as an index among its buttons.
std::size_t IndexOfFirst(const std::vector<TMsgDlgBtn>& shown, std::initializer_list<TMsgDlgBtn> preferred,
                         std::size_t none) {
  for (TMsgDlgBtn kind : preferred) {
    const auto found = std::find(shown.begin(), shown.end(), kind);
    if (found != shown.end()) return std::size_t(found - shown.begin());
  }
  return none;
}

}  // namespace

TMessageForm::TMessageForm(TComponent* AOwner, const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons)
    : TMessageFormBase(AOwner, Msg, CaptionOf(DlgType)), dlgType_(DlgType) {
  std::vector<TMsgDlgBtn> shown;
  std::vector<TMessageButtonSpec> specs;
  for (int kind = 0; kind <= int(kLastButton); ++kind) {
    if (!Buttons.Contains(TMsgDlgBtn(kind))) continue;
    shown.push_back(TMsgDlgBtn(kind));
    specs.push_back({kButtonKinds[kind].caption, kButtonKinds[kind].name, kButtonKinds[kind].result});
  }
  const std::size_t defaultIndex = IndexOfFirst(shown, {mbOK, mbYes, mbRetry}, 0);
  const std::size_t cancelIndex = IndexOfFirst(shown, {mbCancel, mbNo, mbOK}, shown.size());
  BuildLayout(kTypeLooks[DlgType].icon, specs, defaultIndex, cancelIndex);
}
