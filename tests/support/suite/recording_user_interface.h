// A user interface for tests: keeps a transcript of everything the suite asked and answers
// questions from a script (No when the script has run out).
#pragma once

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "suite/user_interface.h"

class RecordingUserInterface final : public SuiteUserInterface {
 public:
  struct Entry {
    // "message", "question", "wait", "close wait", "progress", "restore", "beep", "plain"
    std::string call;
    Integer kind = 0;
    std::string text;
    bool operator==(const Entry&) const = default;
  };

  RecordingUserInterface() : previous_(SetSuiteUserInterface(this)) {}
  ~RecordingUserInterface() override { SetSuiteUserInterface(previous_); }

  void ShowMessageKind(Integer kind, const std::string& text) override { transcript.push_back({"message", kind, text}); }
  bool AskYesNo(Integer kind, const std::string& question) override {
    transcript.push_back({"question", kind, question});
    return NextAnswer();
  }
  void ShowWait() override { transcript.push_back({"wait", 0, {}}); }
  void CloseWait() override { transcript.push_back({"close wait", 0, {}}); }
  void ShowProgressText(const std::string& text) override {
    transcript.push_back({"progress", 0, text});
    if (onProgress) onProgress(text);
  }
  // Recorded as "name|copy size|current size"; answered from the same script as the questions.
  bool AskRestoreCopy(const std::string& copyName, const std::string& copySize,
                      const std::string& currentSize) override {
    transcript.push_back({"restore", 0, copyName + "|" + copySize + "|" + currentSize});
    return NextAnswer();
  }
  void Beep() override { transcript.push_back({"beep", 0, {}}); }
  void ShowPlainMessage(const std::string& text) override { transcript.push_back({"plain", 0, text}); }

  std::vector<Entry> transcript;
  std::deque<bool> answers;
  // Runs before each answer (a test may let another process move on first).
  std::function<void()> beforeAnswer;
  // Runs after each progress text (a test may act at a chosen step of a start-up).
  std::function<void(const std::string&)> onProgress;

 private:
  bool NextAnswer() {
    if (beforeAnswer) beforeAnswer();
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  SuiteUserInterface* previous_;
};

inline void PrintTo(const RecordingUserInterface::Entry& e, std::ostream* os) {
  *os << "{" << e.call << ", " << e.kind << ", \"" << e.text << "\"}";
}
