#include "controls/foundation/kx_component.h"

#include "controls/foundation/kx_object_link.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(TkxComponent) {
  p.Property("FakeComponentLink1", &TkxComponent::FakeComponentLink1, &TkxComponent::SetFakeComponentLink1)
      .Stored(false);
  p.Property("FakeComponentLink2", &TkxComponent::FakeComponentLink2, &TkxComponent::SetFakeComponentLink2)
      .Stored(false);
  p.Property("FakeComponentLink3", &TkxComponent::FakeComponentLink3, &TkxComponent::SetFakeComponentLink3)
      .Stored(false);
}

TkxComponent::~TkxComponent() { ClearObjectLinksTo(this); }

void TkxComponent::Loaded() {
  TComponent::Loaded();
  RefreshFakeLinks();
}

void TkxComponent::BeforeDestruction() {
  if (!ComponentState().Contains(csDestroying)) Destroying();
  TComponent::BeforeDestruction();
}

void TkxComponent::CollectFakeLinks(std::vector<TComponent*>&) {}

void TkxComponent::RefreshFakeLinks() {
  const TComponentState state = ComponentState();
  if (!state.Contains(csDesigning) || state.Contains(csDestroying) || Owner() == nullptr) return;
  std::vector<TComponent*> list;
  CollectFakeLinks(list);
  for (Integer i = 0; i < FakeLinkCount; ++i) SetFakeLink(i, std::size_t(i) < list.size() ? list[std::size_t(i)] : nullptr);
}

void TkxComponent::SetFakeLink(Integer Index, TComponent* Value) { fakeLinks_[Index] = Value; }
