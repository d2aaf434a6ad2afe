// TObject and class references.
#include "platform/classes/object.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/core/format.h"
#include "platform/classes/property_table.h"
#include "platform/classes/publisher.h"
#include "platform/core/ansi_strings.h"

TMetaClass::TMetaClass(const char* name, TClass parent, Factory factory, Publisher publish)
    : name_(name), parent_(parent), factory_(factory), tables_(std::make_unique<TClassTables>()) {
  if (parent_ != nullptr) tables_->Props = parent_->Tables().Props;
  if (publish != nullptr) publish(*tables_);
}

TMetaClass::~TMetaClass() = default;

bool TMetaClass::InheritsFrom(TClass ancestor) const {
  for (TClass c = this; c != nullptr; c = c->parent_)
    if (c == ancestor) return true;
  return false;
}

bool TMetaClass::ClassNameIs(std::string_view name) const { return SameText(name_, name); }

TObject* TMetaClass::Create(TObject* createArg) const {
  if (factory_ == nullptr) throw EInvalidOperation(Format(classes_text::kCannotCreate, {name_}));
  TObject* object = factory_(createArg);
  try {
    object->AfterConstruction();
  } catch (...) {
    delete object;
    throw;
  }
  return object;
}

void FreeObject(TObject* Object) {
  if (Object == nullptr) return;
  Object->BeforeDestruction();
  delete Object;
}

TClass TObject::StaticClass() {
  static const TMetaClass meta("TObject", nullptr, nullptr, nullptr);
  return &meta;
}

void RaiseInvalidCast() { throw EInvalidCast(classes_text::kInvalidTypecast); }

namespace publish_detail {
void RaiseCreateArgMismatch() { RaiseInvalidCast(); }
}  // namespace publish_detail
