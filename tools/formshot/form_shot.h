// Reading a form image into a plain form and photographing it, shared by the formshot program and
// its tests so that both draw the very same form.
//
// The image may be a text or binary form.  Every class it names must be registered in the program;
// the event handlers it names are left unassigned, since a plain form publishes none of them.
#pragma once

#include <string>

class TForm;

// Reads the image in the file at Path into a new form owned by the application (not shown yet).
// Errors of the image raise the reader's exceptions; the half-built form is freed.
TForm* LoadFormForShot(const std::string& Path);
// Shows Form under the current backend, lets it paint, and writes its window (frame included) to
// Output as a PNG; false when the picture cannot be written.
bool ShootForm(TForm* Form, const std::string& Output);
