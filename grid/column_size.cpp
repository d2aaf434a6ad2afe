// TColumnSize; see column_size.h.
#include "grid/column_size.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TColumnSize) {
  p.Property("Key", &TColumnSize::Key, &TColumnSize::SetKey);
  p.Property("Location", &TColumnSize::Location, &TColumnSize::SetLocation).Default(clRegistry);
  p.Property("Save", &TColumnSize::Save, &TColumnSize::SetSave).Default(false);
  p.Property("Section", &TColumnSize::Section, &TColumnSize::SetSection);
  p.Property("Stretch", &TColumnSize::Stretch, &TColumnSize::SetStretch).Default(false);
  p.Property("StretchColumn", &TColumnSize::StretchColumn, &TColumnSize::SetStretchColumn).Default(-1);
  p.Property("SynchWithGrid", &TColumnSize::SynchWithGrid, &TColumnSize::SetSynchWithGrid).Default(false);
}
