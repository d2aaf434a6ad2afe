// TMessageFormBase: the layout the platform's message box and the class library's message
// dialogs share: an optional 32 x 32 icon at the top left, the text beside it wrapped to at most
// half the screen's width, and a row of buttons centred below.  Sizes are in dialog units of the
// form's font (a quarter of the average letter width across, an eighth of the font's height
// down): 8 / 8 margins, 10 / 10 between icon, text and buttons, buttons 50 x 14 (wider when a
// caption needs it) 4 apart.  Every button's ModalResult is the answer it gives; the named icon
// image is "Image", the text label "Message".
#pragma once

#include <string>
#include <vector>

#include "platform/ui/form.h"

class TButton;

enum class TMessageIcon { None, Stop, Question, Exclamation, Information };

struct TMessageButtonSpec {
  std::string Caption;
  std::string Name;
  TModalResult Result = mrNone;
};

class TMessageFormBase : public TForm {
  PR_CLASS(TMessageFormBase, TForm)

 public:
  const std::string& Text() const { return text_; }
  // The button that closes the form with Result (nullptr when the form has none).
  TButton* ButtonOf(TModalResult Result) const;
  // The captions of the buttons, left to right.
  std::vector<std::string> ButtonCaptions() const;
  // What the caller is answered for the form's modal result.
  virtual int Answer(TModalResult Result) const { return int(Result); }

 protected:
  TMessageFormBase(TComponent* AOwner, const std::string& Text, const std::string& Caption);
  // Builds icon, text and buttons and sizes the form.  DefaultIndex is the button Enter presses
  // and the first focused, CancelIndex the one Escape presses (none when out of range).
  void BuildLayout(TMessageIcon Icon, const std::vector<TMessageButtonSpec>& Buttons, std::size_t DefaultIndex,
                   std::size_t CancelIndex);

 private:
  std::string text_;
  std::vector<TButton*> buttons_;
};
