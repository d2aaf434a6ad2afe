// The suite's program environment for its dialogs: placing and sizing a dialog on the screen, the
// stack of screen identifiers, and the calendar offset read once at start-up.
//
// Placement (PlaceForm): the work area is taken from the screen before every placement (its
// offsets are 0, its size the screen's).  A form whose Tag is 999 is first sized from its
// constraints (below); an MDI child is then centred on the screen, 2 pixels up and left; any other
// form is centred in the work area, 5 pixels higher (3 before the newer Windows versions, which
// this platform's version is).  Divisions truncate toward zero.
//
// Screen identifiers: a stack of 10 texts of at most 80 characters; pushing beyond 10 clears the
// current identifier, popping beyond the bottom leaves it empty.
#pragma once

#include <string>

#include "platform/core/types.h"

class TCustomForm;
class TProStringGrid;

// For every form not named "MainForm": PlaceForm(form, 0, 0), the language switch (TranslateForm)
// and one turn of the pending messages.
void PrepareForm(TCustomForm* Form);
// HeightLimit and WidthLimit (0: none) lower the maximum size of a Tag-999 form.
void PlaceForm(TCustomForm* Form, Integer HeightLimit, Integer WidthLimit);

// The grid's bands: the primary colour the grid colour of the colour set USER_COLOR_TYPE names (set 1
// for a number outside 1..6), the secondary colour clWindow.
void ApplyGridBandColors(TProStringGrid* Grid);

void PushScreenContext(const std::string& Text);
void PopScreenContext();
const std::string& CurrentScreenContext();

// The calendar offset a short date text shows: 543 when its last four characters are a year above
// 2500, otherwise 0 (also when they are not four digits, as in "8/12/69").
Word CalendarOffsetOfDateText(const std::string& Text);
// Start-up: CalendarOffset := the offset of today's display text (DateTimeToDisplayTextEx with four-digit
// years: the locale's short date, Thai-calendar years under th-TH).
void InitCalendarOffset();
