#include "test_components.h"

#include "platform/classes/class_registry.h"
#include "platform/classes/filer.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(TTestFont) {
  p.Property("Name", &TTestFont::Name, &TTestFont::SetName);
  p.Property("Size", &TTestFont::Size, &TTestFont::SetSize).Default(8);
  p.Property("Style", &TTestFont::Style, &TTestFont::SetStyle).Default(TTestStyles{});
}

void TTestFont::Assign(TPersistent* Source) {
  if (auto* font = dynamic_cast<TTestFont*>(Source)) {
    name_ = font->name_;
    size_ = font->size_;
    style_ = font->style_;
    return;
  }
  TPersistent::Assign(Source);
}

PR_PUBLISH(TTestItem) {
  p.Property("Caption", &TTestItem::Caption);
  p.Property("Width", &TTestItem::Width).Default(64);
}

void TTestItem::Assign(TPersistent* Source) {
  if (auto* item = dynamic_cast<TTestItem*>(Source)) {
    Caption = item->Caption;
    Width = item->Width;
    return;
  }
  TCollectionItem::Assign(Source);
}

PR_PUBLISH(TTestWidget) {
  p.Property("Int", &TTestWidget::Int);
  p.Property("Small", &TTestWidget::Small).Default(0);
  p.Property("Big", &TTestWidget::Big);
  p.Property("Flag", &TTestWidget::Flag).Default(false);
  p.Property("Letter", &TTestWidget::Letter).Default('A');
  p.Property("WideLetter", &TTestWidget::WideLetter).Default(u'A');
  p.Property("Color", &TTestWidget::Color).Default(tcRed);
  p.Property("Styles", &TTestWidget::Styles).Default(TTestStyles{});
  p.Property("Ratio", &TTestWidget::Ratio);
  p.Property("Scale", &TTestWidget::Scale);
  p.Property("Price", &TTestWidget::Price);
  p.Property("Stamp", &TTestWidget::Stamp).Type(DateTimeTypeInfo());
  p.Property("Caption", &TTestWidget::Caption);
  p.Property("WideCaption", &TTestWidget::WideCaption);
  p.Property("Font", &TTestWidget::Font, &TTestWidget::SetFont);
  p.Property("Items", &TTestWidget::Items, &TTestWidget::SetItems);
  p.Property("Lines", &TTestWidget::Lines, &TTestWidget::SetLines);
  p.Property("Buddy", &TTestWidget::Buddy, &TTestWidget::SetBuddy);
  p.Property("OnClick", &TTestWidget::OnClick);
}

TTestWidget::TTestWidget(TComponent* AOwner)
    : TComponent(AOwner),
      font_(new TTestFont),
      items_(new TCollection(TTestItem::StaticClass())),
      lines_(new TStringList) {}

TTestWidget::~TTestWidget() {
  delete lines_;
  delete items_;
  delete font_;
}

void TTestWidget::SetBuddy(TTestWidget* Value) {
  buddy_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TTestWidget::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == buddy_) buddy_ = nullptr;
}

void TTestWidget::Loaded() {
  TComponent::Loaded();
  ++LoadedCount;
}

void TTestWidget::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  const auto* ancestor = dynamic_cast<const TTestWidget*>(Filer->Ancestor());
  Filer->DefineBinaryProperty(
      "Data",
      [this](TStream* s) {
        Data.resize(static_cast<std::size_t>(s->Size()));
        s->ReadBuffer(Data.data(), static_cast<Integer>(Data.size()));
      },
      [this](TStream* s) { s->WriteBuffer(Data.data(), static_cast<Integer>(Data.size())); },
      ancestor != nullptr ? ancestor->Data != Data : !Data.empty());
}

PR_PUBLISH(TTestForm) {
  p.Method("WidgetClick", &TTestForm::WidgetClick);
  p.Method("OtherClick", &TTestForm::OtherClick);
  p.Method("WrongSignature", &TTestForm::WrongSignature);
  p.Field("Widget1", &TTestForm::Widget1);
}

void TTestForm::GetChildren(TGetChildProc Proc, TComponent* Root) {
  TComponent::GetChildren(Proc, Root);
  for (Integer i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) Proc(Components(i));
}

void TTestForm::WidgetClick(TObject* Sender) { Clicks.push_back(Sender); }
void TTestForm::OtherClick(TObject*) {}
void TTestForm::WrongSignature(Integer) {}

void RegisterTestClasses() { RegisterClasses({TTestWidget::StaticClass(), TTestForm::StaticClass()}); }
