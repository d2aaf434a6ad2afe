// TScriptedBox: a form of the program that acts as a message box or a question.  A form class
// derives from it beside TForm; a scripted run (script_player.h) then lists the form as one BOX
// line when it closes (caption, BoxText, the answer) instead of SHOW and HIDE, and lets the script
// answer it by its buttons' captions, as it does the platform's message boxes.
#pragma once

#include <string>

class TScriptedBox {
 public:
  virtual ~TScriptedBox() = default;
  // The text the box shows (code page 874; several texts joined by line breaks).
  virtual std::string BoxText() const = 0;
};
