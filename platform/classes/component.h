// TComponent: named, owned, streamable objects.
//
// Ownership: a component owns the components whose Owner it is and frees them (last first) when it
// is destroyed; a component freed on its own leaves its owner's list.  Names: empty or a valid
// identifier, unique (ignoring ASCII case) among the owner's components, else EComponentError.
// When a named component joins an owner whose class publishes a field of that name, the field
// points at it until the component leaves or is renamed.  Free notification: FreeNotification(A)
// makes this component hear Notification(A, opRemove) when A is destroyed (and A hear it of this
// one), so references to freed components can be cleared; components of one owner always hear of
// each other.  State: csLoading from creation by a reader until Loaded, csReading/csWriting while
// a filer works on it, csDestroying from Destroying on, csDesigning, csUpdating, csInline, ...
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/classes/enum_set.h"
#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"
#include "platform/core/function_ref.h"

PR_ENUM(TComponentStateItem, csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor,
        csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = TSet<TComponentStateItem>;
PR_ENUM(TComponentStyleItem, csInheritable, csCheckPropAvail, csSubComponent, csTransient)
using TComponentStyle = TSet<TComponentStyleItem>;
PR_ENUM(TOperation, opInsert, opRemove)

class TComponent;
using TGetChildProc = TFunctionRef<void(TComponent* Child)>;

class TComponent : public TPersistent {
  PR_CLASS(TComponent, TPersistent)

 public:
  using TCreateArg = TComponent*;

  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  Integer ComponentCount() const { return static_cast<Integer>(components_.size()); }
  TComponent* Components(Integer Index) const;   // EListError out of range
  Integer ComponentIndex() const;
  void SetComponentIndex(Integer Value);
  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& NewName);
  Integer Tag() const { return tag_; }
  void SetTag(Integer Value) { tag_ = Value; }
  Integer DesignInfo() const { return designInfo_; }
  void SetDesignInfo(Integer Value) { designInfo_ = Value; }
  TComponentState ComponentState() const { return state_; }
  TComponentStyle ComponentStyle() const { return style_; }

  TComponent* FindComponent(std::string_view AName) const;
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void DestroyComponents();
  void Destroying();
  void BeforeDestruction() override;
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  std::string GetNamePath() const override { return name_; }

  void SetDesigning(bool Value, bool SetChildren = true);
  void SetInline(bool Value);
  void SetSubComponent(bool Value);
  void SetAncestor(bool Value);

  // Streaming hooks (see reader.h / writer.h for when they run).
  virtual void GetChildren(TGetChildProc Proc, TComponent* Root);
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }
  virtual void SetChildOrder(TComponent* Child, Integer Order);
  virtual void SetParentComponent(TComponent* Value);
  virtual void ReadState(TReader* Reader);
  virtual void WriteState(TWriter* Writer);
  virtual void Loaded();
  virtual void Updating();
  virtual void Updated();

  // Used by the reader and writer to mark what they are doing.
  void IncludeState(TComponentStateItem Item) { state_.Include(Item); }
  void ExcludeState(TComponentStateItem Item) { state_.Exclude(Item); }

 protected:
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName);
  virtual void ValidateContainer(TComponent*) {}
  void ChangeName(const std::string& NewName) { name_ = NewName; }
  void DefineProperties(TFiler* Filer) override;
  TPersistent* GetOwner() const override { return owner_; }
  void SetComponentStyle(TComponentStyle Value) { style_ = Value; }

 private:
  void Insert(TComponent* AComponent);
  std::unique_ptr<TComponent> Remove(TComponent* AComponent);
  void SetReference(bool Enable);
  void RemoveNotification(TComponent* AComponent);

  TComponent* owner_ = nullptr;
  std::string name_;
  Integer tag_ = 0;
  Integer designInfo_ = 0;   // design-time position: Left in the low 16 bits, Top in the high
  std::vector<std::unique_ptr<TComponent>> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_;
  TComponentStyle style_{csInheritable};
};

// Letters, digits and '_' (ASCII), not starting with a digit, not empty.
bool IsValidIdent(std::string_view Ident);
