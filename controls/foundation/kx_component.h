// TkxComponent: the control library's component base.  It clears the weak links to itself first
// thing when destroyed, and carries three design-time link properties (FakeComponentLink1..3,
// never stored) that show a form designer the components it depends on; at run time they stay nil.
#pragma once

#include <vector>

#include "platform/classes/component.h"

class TkxComponent : public TComponent {
  PR_CLASS(TkxComponent, TComponent)

 public:
  static constexpr Integer FakeLinkCount = 3;

  explicit TkxComponent(TComponent* AOwner) : TComponent(AOwner) {}
  ~TkxComponent() override;

  void Loaded() override;
  void BeforeDestruction() override;

  TComponent* FakeComponentLink1() const { return fakeLinks_[0]; }
  void SetFakeComponentLink1(TComponent* Value) { SetFakeLink(0, Value); }
  TComponent* FakeComponentLink2() const { return fakeLinks_[1]; }
  void SetFakeComponentLink2(TComponent* Value) { SetFakeLink(1, Value); }
  TComponent* FakeComponentLink3() const { return fakeLinks_[2]; }
  void SetFakeComponentLink3(TComponent* Value) { SetFakeLink(2, Value); }

 protected:
  // The components this one depends on, for the design-time links; none in the base.
  virtual void CollectFakeLinks(std::vector<TComponent*>& List);
  // While designed (and not being destroyed, with an owner): link i shows List[i], or nil.
  void RefreshFakeLinks();
  void SetFakeLink(Integer Index, TComponent* Value);

 private:
  TComponent* fakeLinks_[FakeLinkCount] = {};
};
