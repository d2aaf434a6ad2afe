// TContainedAction and TCustomActionList / TActionList: actions kept in a list, which offers
// them to its own handlers first and matches key messages against their shortcuts.
//
// An action joins a list through SetActionList (or by being read as the list's child in a form
// image, where actions are the list's children); Index is its place in the list.  Execute asks,
// in order, the list's ExecuteAction (OnExecute with a handled flag), the action's own
// OnExecute, then the application, which offers the action to the active form's controls
// (CM_ACTIONEXECUTE, action_dispatch.h); Update goes the same way with the update handlers.
// Invariant: an action is in a list's Actions exactly while its ActionList() is that list.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/basic_action.h"

class TCustomActionList;
class TCustomImageList;
struct TMessage;

using TActionEvent = Event<void(TBasicAction* Action, bool& Handled)>;

class TContainedAction : public TBasicAction {
  PR_CLASS(TContainedAction, TBasicAction)

 public:
  explicit TContainedAction(TComponent* AOwner);
  ~TContainedAction() override;

  bool Execute() override;
  bool Update() override;

  TCustomActionList* ActionList() const { return actionList_; }
  void SetActionList(TCustomActionList* Value);
  const std::string& Category() const { return category_; }
  void SetCategory(const std::string& Value);
  // The place in the action list; -1 without one.
  Integer Index() const;
  void SetIndex(Integer Value);

  bool HasParent() const override { return actionList_ != nullptr || TBasicAction::HasParent(); }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;

 private:
  friend class TCustomActionList;
  TCustomActionList* actionList_ = nullptr;
  std::string category_;
};

class TCustomActionList : public TComponent {
  PR_CLASS(TCustomActionList, TComponent)

 public:
  explicit TCustomActionList(TComponent* AOwner);
  ~TCustomActionList() override;

  Integer ActionCount() const { return static_cast<Integer>(actions_.size()); }
  // EListError out of range.
  TContainedAction* Actions(Integer Index) const;
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* Value);

  // OnExecute / OnUpdate with a handled flag that starts false; true when they handled it.
  virtual bool ExecuteAction(TBasicAction* Action);
  virtual bool UpdateAction(TBasicAction* Action);
  // Executes the first action whose ShortCut is the key message's; true when it executed (a
  // disabled action leaves the key to others).
  virtual bool IsShortCut(TMessage& Message);

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, Integer Order) override;

  TActionEvent OnExecute;
  TActionEvent OnUpdate;
  TNotifyEvent OnChange;

 protected:
  friend class TContainedAction;
  void AddAction(TContainedAction* Action);
  void RemoveAction(TContainedAction* Action);
  virtual void Change();
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  std::vector<TContainedAction*> actions_;
  TCustomImageList* images_ = nullptr;
};

class TActionList : public TCustomActionList {
  PR_CLASS(TActionList, TCustomActionList)

 public:
  using TCustomActionList::TCustomActionList;
};
