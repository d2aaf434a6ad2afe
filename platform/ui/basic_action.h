// TBasicAction and TBasicActionLink: a command kept apart from the controls and menu items that
// invoke it, and the link by which each such client follows it.
//
// An action keeps the links registered with it (RegisterChanges / UnRegisterChanges); Change
// runs OnChange and tells every link (TBasicActionLink::Change, which runs the link's OnChange
// with the action), so the clients take the action's new state.  A link belongs to its client;
// destroying either side unregisters the link, so neither ever refers to a freed object.
//
// Execute runs OnExecute (true when it is assigned); Update runs OnUpdate likewise.
// HandlesTarget / ExecuteTarget / UpdateTarget let an action work on a target it finds itself
// (the focused control, say): the base answers no target.  ActionComponent is the component
// that invoked the action while it executes through a link.
//
// A link is made by class (the client's GetActionLinkClass) with its client as the creation
// argument; AssignClient runs once the whole link exists, so a link class takes its client
// there, typed as it needs.
#pragma once

#include <vector>

#include "platform/classes/component.h"
#include "platform/classes/event.h"

class TBasicActionLink;

// Whether two events hold the same handler, two unassigned events included (the class library
// compares method pointers, so "none" equals "none").
template <class E>
bool SameEvent(const E& A, const E& B) {
  return (!A && !B) || A.SameHandler(B);
}

// A client's click: its own OnClick when that is not the linked action's OnExecute, else the
// action through Link (not at design time), else OnClick.
void ClickThroughAction(TComponent* Client, const TNotifyEvent& OnClick, TBasicActionLink* Link);

class TBasicAction : public TComponent {
  PR_CLASS(TBasicAction, TComponent)

 public:
  explicit TBasicAction(TComponent* AOwner);
  ~TBasicAction() override;

  virtual bool HandlesTarget(TObject* Target);
  virtual void ExecuteTarget(TObject* Target);
  virtual void UpdateTarget(TObject* Target);
  virtual bool Execute();
  virtual bool Update();

  TComponent* ActionComponent() const { return actionComponent_; }
  void SetActionComponent(TComponent* Value);
  const TNotifyEvent& OnExecute() const { return onExecute_; }
  // Tells every link first (a client whose handler was the old one takes the new one).
  virtual void SetOnExecute(const TNotifyEvent& Value);
  TNotifyEvent OnUpdate;

  void RegisterChanges(TBasicActionLink* Value);
  void UnRegisterChanges(TBasicActionLink* Value);
  const std::vector<TBasicActionLink*>& Clients() const { return clients_; }

 protected:
  virtual void Change();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TNotifyEvent OnChange;

 private:
  std::vector<TBasicActionLink*> clients_;
  TComponent* actionComponent_ = nullptr;
  TNotifyEvent onExecute_;
};

class TBasicActionLink : public TObject {
  PR_CLASS(TBasicActionLink, TObject)

 public:
  using TCreateArg = TObject*;
  explicit TBasicActionLink(TObject* AClient) : client_(AClient) {}
  ~TBasicActionLink() override;
  void AfterConstruction() override;

  TBasicAction* Action() const { return action_; }
  virtual void SetAction(TBasicAction* Value);
  // Executes the action with AComponent as its ActionComponent meanwhile.
  virtual bool Execute(TComponent* AComponent = nullptr);
  virtual bool Update();
  virtual bool IsOnExecuteLinked() { return true; }
  virtual void SetOnExecute(const TNotifyEvent&) {}

  // Called with the action whenever it changes.
  TNotifyEvent OnChange;

 protected:
  friend class TBasicAction;
  virtual void AssignClient(TObject*) {}
  virtual void Change();

 private:
  TObject* client_;
  TBasicAction* action_ = nullptr;
};
