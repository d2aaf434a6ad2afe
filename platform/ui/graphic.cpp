#include "platform/ui/graphic.h"

#include "platform/classes/file_stream.h"
#include "platform/classes/filer.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TGraphic)

void TGraphic::SetModified(bool Value) {
  if (Value) Changed(this);
  else modified_ = false;
}

void TGraphic::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  Changed(this);
}

void TGraphic::Changed(TObject*) {
  modified_ = true;
  OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const std::string& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}

bool TGraphic::Equals(TGraphic* Graphic) {
  if (Graphic == nullptr || Graphic->ClassType() != ClassType()) return false;
  if (Empty() || Graphic->Empty()) return Empty() && Graphic->Empty();
  TMemoryStream mine, theirs;
  WriteData(&mine);
  Graphic->WriteData(&theirs);
  return mine.Size() == theirs.Size() &&
         std::equal(static_cast<const Byte*>(mine.Memory()), static_cast<const Byte*>(mine.Memory()) + mine.Size(),
                    static_cast<const Byte*>(theirs.Memory()));
}

void TGraphic::DefineProperties(TFiler* Filer) {
  auto* ancestor = dynamic_cast<TGraphic*>(Filer->Ancestor());
  const bool hasData = Filer->Ancestor() != nullptr ? ancestor == nullptr || !Equals(ancestor) : !Empty();
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, hasData);
}

void TGraphic::ReadData(TStream* Stream) { LoadFromStream(Stream); }

void TGraphic::WriteData(TStream* Stream) { SaveToStream(Stream); }
