// Fixture classes for the component model tests: a widget with a published property of every
// kind, a persistent sub-object, a collection item and a form-like root that publishes a method
// and a field.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/collection.h"
#include "platform/classes/component.h"
#include "platform/classes/enum_set.h"
#include "platform/classes/event.h"
#include "platform/classes/string_list.h"
#include "platform/core/currency.h"

PR_ENUM(TTestColor, tcRed, tcGreen, tcBlue)
PR_ENUM(TTestStyle, tsBold, tsItalic, tsUnderline)
using TTestStyles = TSet<TTestStyle>;

class TTestFont : public TPersistent {
  PR_CLASS(TTestFont, TPersistent)

 public:
  TTestFont() = default;
  void Assign(TPersistent* Source) override;
  const std::string& Name() const { return name_; }
  void SetName(const std::string& Value) { name_ = Value; }
  Integer Size() const { return size_; }
  void SetSize(Integer Value) { size_ = Value; }
  TTestStyles Style() const { return style_; }
  void SetStyle(TTestStyles Value) { style_ = Value; }

 private:
  std::string name_ = "Tahoma";
  Integer size_ = 8;
  TTestStyles style_;
};

class TTestItem : public TCollectionItem {
  PR_CLASS(TTestItem, TCollectionItem)

 public:
  explicit TTestItem(TCollection* Collection) : TCollectionItem(Collection) {}
  std::string Caption;
  Integer Width = 64;
  void Assign(TPersistent* Source) override;
};

class TTestWidget : public TComponent {
  PR_CLASS(TTestWidget, TComponent)

 public:
  explicit TTestWidget(TComponent* AOwner);
  ~TTestWidget() override;

  Integer Int = 0;
  SmallInt Small = 0;
  Int64 Big = 0;
  bool Flag = false;
  char Letter = 'A';
  char16_t WideLetter = u'A';
  TTestColor Color = tcRed;
  TTestStyles Styles;
  double Ratio = 0;
  float Scale = 0;
  Currency Price;
  TDateTime Stamp = 0;
  std::string Caption;
  std::u16string WideCaption;
  std::vector<Byte> Data;   // streamed through DefineProperties as "Data"
  TNotifyEvent OnClick;

  TTestFont* Font() const { return font_; }
  void SetFont(TTestFont* Value) { font_->Assign(Value); }
  TCollection* Items() const { return items_; }
  void SetItems(TCollection* Value) { items_->Assign(Value); }
  TStrings* Lines() const { return lines_; }
  void SetLines(TStrings* Value) { lines_->Assign(Value); }
  TTestWidget* Buddy() const { return buddy_; }
  void SetBuddy(TTestWidget* Value);
  int LoadedCount = 0;

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

 private:
  TTestFont* font_;
  TCollection* items_;
  TStringList* lines_;
  TTestWidget* buddy_ = nullptr;
};

// A root like a form or data module: its children are the components it owns.
class TTestForm : public TComponent {
  PR_CLASS(TTestForm, TComponent)

 public:
  explicit TTestForm(TComponent* AOwner) : TComponent(AOwner) {}
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, Integer Order) override { ChildOrders.emplace_back(Child, Order); }
  void WidgetClick(TObject* Sender);
  void OtherClick(TObject* Sender);
  void WrongSignature(Integer Value);
  TTestWidget* Widget1 = nullptr;   // published field
  std::vector<TObject*> Clicks;
  std::vector<std::pair<TComponent*, Integer>> ChildOrders;
};

// Registers the fixture classes once.
void RegisterTestClasses();
