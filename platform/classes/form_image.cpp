#include "platform/classes/form_image.h"

#include "platform/classes/component.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/object_text.h"
#include "platform/classes/resource_stream.h"
#include "platform/os/embedded_resources.h"

TComponent* ReadComponentAnyForm(TStream* Stream, TComponent* Instance) {
  if (TestStreamFormat(Stream) != sofText) return Stream->ReadComponent(Instance);
  TMemoryStream binary;
  ObjectTextToBinary(Stream, &binary);
  binary.SetPosition(0);
  return binary.ReadComponent(Instance);
}

bool ReadComponentRes(std::string_view ResName, TComponent* Instance) {
  if (!ResourceExists(ResName, RT_RCDATA)) return false;
  TResourceStream stream(ResName, RT_RCDATA);
  ReadComponentAnyForm(&stream, Instance);
  return true;
}

namespace {

bool InitComponent(TComponent* instance, TClass cls, TClass rootAncestor) {
  if (cls == nullptr || cls == TComponent::StaticClass() || cls == rootAncestor) return false;
  const bool ancestors = InitComponent(instance, cls->ClassParent(), rootAncestor);
  return ReadComponentRes(cls->ClassName(), instance) || ancestors;
}

}  // namespace

bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor) {
  return InitComponent(Instance, Instance->ClassType(), RootAncestor);
}
