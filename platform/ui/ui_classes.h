// The control classes of this layer, registered for component streams whose classes are not
// known from a form's published fields (a form image read into a plain TForm, as formshot does).
#pragma once

void RegisterUiClasses();
