#include "platform/classes/persistent.h"

#include "platform/classes/classes_texts.h"
#include "platform/core/format.h"
#include "platform/classes/publisher.h"
#include "platform/core/exceptions.h"

PR_IMPLEMENT_CLASS(TPersistent)

void TPersistent::Assign(TPersistent* Source) {
  if (Source == nullptr) AssignError(nullptr);
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

void TPersistent::DefineProperties(TFiler*) {}

void TPersistent::AssignError(TPersistent* Source) {
  const std::string sourceName = Source != nullptr ? Source->ClassName() : std::string("nil");
  throw EConvertError(Format(classes_text::kAssignError, {sourceName, ClassName()}));
}

std::string TPersistent::GetNamePath() const {
  std::string path = ClassName();
  if (const TPersistent* owner = GetOwner()) {
    const std::string ownerPath = owner->GetNamePath();
    if (!ownerPath.empty()) path = ownerPath + "." + path;
  }
  return path;
}
