#include "suite/user_interface.h"

#include <cstdio>

#include "platform/core/cp874.h"

namespace {

class StandardErrorInterface final : public SuiteUserInterface {
 public:
  void ShowMessageKind(Integer kind, const std::string& text) override {
    const char* caption = kind == MessageKindError ? "Error" : kind == MessageKindWarning ? "Warning" : "Information";
    Write(caption, text);
  }
  bool AskYesNo(Integer, const std::string& question) override {
    Write("Confirm", question);
    return false;
  }
  void ShowWait() override {}
  void CloseWait() override {}
  void ShowProgressText(const std::string&) override {}
  bool AskRestoreCopy(const std::string& copyName, const std::string&, const std::string&) override {
    Write("Attention!", copyName);
    return false;
  }
  void Beep() override {}
  void ShowPlainMessage(const std::string& text) override { Write("Message", text); }

 private:
  static void Write(const char* caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption, Cp874ToUtf8(text).c_str());
  }
};

StandardErrorInterface fallback;
SuiteUserInterface* installed = &fallback;

}  // namespace

SuiteUserInterface* SetSuiteUserInterface(SuiteUserInterface* ui) {
  SuiteUserInterface* previous = installed;
  installed = ui != nullptr ? ui : &fallback;
  return previous == &fallback ? nullptr : previous;
}

SuiteUserInterface& CurrentSuiteUserInterface() { return *installed; }

void ShowMessageKind(Integer kind, const std::string& text) { installed->ShowMessageKind(kind, text); }
void ShowInformation(const std::string& text) { ShowMessageKind(MessageKindInformation, text); }
void ShowErrorBox(const std::string& text) { ShowMessageKind(MessageKindError, text); }
void ShowErrorBoxEx(Integer, Integer, const std::string& text) { ShowErrorBox(text); }

bool AskYesNo(Integer kind, std::string question) {
  if (question.empty() || (question.back() != '?' && question.back() != '.')) question += '?';
  return installed->AskYesNo(kind, question);
}

bool AskYesNoDefaultYes(const std::string& question) { return AskYesNo(QuestionDefaultYes, question); }
void ShowWait() { installed->ShowWait(); }
void CloseWait() { installed->CloseWait(); }
void ShowProgressText(const std::string& text) { installed->ShowProgressText(text); }
void ShowPlainMessage(const std::string& text) { installed->ShowPlainMessage(text); }
