// formshot FORM OUT.png: reads a form image (text or binary) into a form (every class it names must
// be registered in this program: the ui layer's controls, the string grid and the interim controls
// are; the control foundation's units run, so a look-and-feel controller restyles the root), shows
// it on the window layer's in-memory display (the program links no other) and writes a PNG of the
// form's window, frame included.  Event handlers the image names are left unassigned.  Exit
// status: 0 written, 1 the image could not be read (the reader's error on stderr) or the picture
// could not be written, 2 wrong arguments.
#include <cstdio>
#include <string>

#include "controls/foundation/foundation_units.h"
#include "controls/interim/interim_controls.h"
#include "form_shot.h"
#include "grid/pro_grid_unit.h"
#include "platform/core/exceptions.h"
#include "platform/core/units.h"
#include "platform/ui/application.h"
#include "platform/ui/ui_classes.h"

namespace {

int Shoot(const std::string& image, const std::string& output) {
  if (ShootForm(LoadFormForShot(image), output)) return 0;
  std::fprintf(stderr, "formshot: cannot write %s\n", output.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: formshot FORM.txt OUT.png\n");
    return 2;
  }
  InitializeUnits({FormsUnit, ProGridUnit});
  InitializeUnits(ControlFoundationUnits());
  RegisterUiClasses();
  RegisterInterimControls();
  int status = 1;
  try {
    status = Shoot(argv[1], argv[2]);
  } catch (const Exception& e) {
    std::fprintf(stderr, "formshot: %s\n", e.Message().c_str());
  }
  FinalizeUnits();
  return status;
}
