// The interim controls, registered for component streams whose classes are not known from a form's
// published fields (a form image read into a plain form, as formshot does).
#pragma once

void RegisterInterimControls();
