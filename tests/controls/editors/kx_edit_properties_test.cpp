// Editor properties: change reports (one per real change, collapsed by updates, kept pending while
// locked or while the owner is destroyed), the bounds and their assigned flags, Assign, the
// alignment proxy with and without a values provider, the provider's lifetime, modifiability,
// validation handlers and the registry of properties classes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/editors/kx_edit_properties.h"
#include "platform/classes/component.h"
#include "platform/classes/publisher.h"
#include "platform/core/variant_access.h"

// Flags that publish the two bounds with the stored rule, as a text editor's do.
class TPropsTestValues : public TkxCustomEditPropertiesValues {
  PR_CLASS(TPropsTestValues, TkxCustomEditPropertiesValues)

 public:
  using TkxCustomEditPropertiesValues::TkxCustomEditPropertiesValues;
};

// Properties that publish their bounds and name their own flag class.
class TPropsTestProperties : public TkxCustomEditProperties {
  PR_CLASS(TPropsTestProperties, TkxCustomEditProperties)

 public:
  explicit TPropsTestProperties(TPersistent* AOwner) : TkxCustomEditProperties(AOwner) { RecreateValuesFlagsAndButtons(); }
  TkxCustomEditPropertiesValuesClass GetValuesFlagsClass() const override {
    return [](TkxCustomEditProperties* AOwner) -> TkxCustomEditPropertiesValues* { return new TPropsTestValues(AOwner); };
  }
  Byte formatOptions = 0;
  bool externalWhenFocused = false;
  bool externalWhenUnfocused = false;
  Byte GetFormatSourceOptions() const override { return formatOptions; }
  bool HasExternalDisplayText(bool AEditFocused) const override {
    return AEditFocused ? externalWhenFocused : externalWhenUnfocused;
  }
};

PR_PUBLISH(TPropsTestValues) {}
PR_PUBLISH(TPropsTestProperties) {
  using P = TPropsTestProperties;
  p.Property("MaxValue", &P::MaxValue, &P::SetMaxValue).NoDefault().Stored(&P::IsMaxValueStored);
  p.Property("MinValue", &P::MinValue, &P::SetMinValue).NoDefault().Stored(&P::IsMinValueStored);
}

namespace {

// A provider with chosen answers.
class TTestProvider : public TkxCustomEditDefaultValuesProvider {
 public:
  TTestProvider() : TkxCustomEditDefaultValuesProvider(nullptr) {}
  TAlignment horz = taRightJustify;
  double upper = 0, lower = 0;
  bool readOnly = false, allowsModification = true, canEnterEditMode = true;
  TAlignment GetDefaultHorzAlignment() override { return horz; }
  double GetDefaultUpperBound() override { return upper; }
  double GetDefaultLowerBound() override { return lower; }
  bool IsDefaultReadOnly() override { return readOnly; }
  bool AllowsModification() override { return allowsModification; }
  bool CanEnterEditMode() override { return canEnterEditMode; }
  // A display format for the argument True only (the plain display format, not the editing one).
  bool HasDisplayFormat(bool AEditing) override { return AEditing; }
};

// Properties whose change reports are counted.
struct Watched {
  explicit Watched(TPersistent* AOwner = nullptr) : props(AOwner) {
    props.OnPropertiesChanged = [this](TObject* Sender) {
      EXPECT_EQ(Sender, &props);
      EXPECT_TRUE(props.IsInChangeHandler());
      ++changes;
    };
  }
  TPropsTestProperties props;
  int changes = 0;
};

struct Setter {
  const char* what;
  void (*apply)(TkxCustomEditProperties&);
  bool repeatChangesAgain;   // the same call once more is a change too (a button is added)
};

// Ten settings, each a real change from a new object's values.
const Setter kTenSetters[] = {
    {"AutoSelect", [](TkxCustomEditProperties& p) { p.SetAutoSelect(false); }, false},
    {"ButtonsViewStyle", [](TkxCustomEditProperties& p) { p.SetButtonsViewStyle(bvsButtonsOnly); }, false},
    {"Transparent", [](TkxCustomEditProperties& p) { p.SetTransparent(true); }, false},
    {"UseLeftAlignmentOnEditing", [](TkxCustomEditProperties& p) { p.SetUseLeftAlignmentOnEditing(false); }, false},
    {"UseMouseWheel", [](TkxCustomEditProperties& p) { p.SetUseMouseWheel(false); }, false},
    {"MaxValue", [](TkxCustomEditProperties& p) { p.SetMaxValue(5); }, false},
    {"MinValue", [](TkxCustomEditProperties& p) { p.SetMinValue(-5); }, false},
    {"ReadOnly", [](TkxCustomEditProperties& p) { p.SetReadOnly(true); }, false},
    {"Alignment.Horz", [](TkxCustomEditProperties& p) { p.Alignment()->SetHorz(taRightJustify); }, false},
    {"Buttons", [](TkxCustomEditProperties& p) { p.Buttons()->Add(); }, true},
};

TEST(EditProperties, EachSettingReportsARealChangeOnce) {
  for (const Setter& s : kTenSetters) {
    Watched w;
    s.apply(w.props);
    EXPECT_EQ(w.changes, 1) << s.what;
    s.apply(w.props);
    EXPECT_EQ(w.changes, s.repeatChangesAgain ? 2 : 1) << s.what << " again";
  }
}

TEST(EditProperties, AnUpdateCollapsesTenChangesIntoOneOrNone) {
  struct Case {
    bool invokeChanged;
    int expected;
  };
  for (const Case c : {Case{true, 1}, Case{false, 0}}) {
    Watched w;
    w.props.BeginUpdate();
    w.props.BeginUpdate();
    for (const Setter& s : kTenSetters) s.apply(w.props);
    w.props.EndUpdate(true);   // the inner end reports nothing
    EXPECT_EQ(w.changes, 0);
    w.props.EndUpdate(c.invokeChanged);
    EXPECT_EQ(w.changes, c.expected) << c.invokeChanged;
    EXPECT_EQ(w.props.IsChangePending(), !c.invokeChanged);
    w.props.EndUpdate(true);   // unmatched: ignored, the count stays at 0
    EXPECT_EQ(w.props.UpdateCount(), 0);
    EXPECT_EQ(w.changes, c.expected);
  }
}

TEST(EditProperties, AChangeWhileLockedOrWhileTheOwnerIsDestroyedStaysPending) {
  {
    Watched w;
    w.props.SetChangesLocked(true);
    EXPECT_TRUE(w.props.AreChangesLocked());
    w.props.SetAutoSelect(false);
    EXPECT_EQ(w.changes, 0);
    EXPECT_TRUE(w.props.IsChangePending());
  }
  TComponent owner(nullptr);
  Watched w(&owner);
  owner.Destroying();
  w.props.SetAutoSelect(false);
  w.props.BeginUpdate();
  w.props.SetTransparent(true);
  w.props.EndUpdate(true);
  EXPECT_EQ(w.changes, 0);
  EXPECT_TRUE(w.props.IsChangePending());
}

TEST(EditProperties, PlainFieldsNotifyNothing) {
  Watched w;
  w.props.SetBeepOnError(true);
  w.props.SetClearKey(46);
  w.props.SetClickKey(13);
  w.props.SetImmediatePost(true);
  w.props.SetValidateOnEnter(true);
  EXPECT_EQ(w.changes, 0);
}

TEST(EditProperties, NewObjectDefaults) {
  TkxCustomEditProperties p(nullptr);
  EXPECT_EQ(p.ClickKey(), 16397);   // Ctrl+Enter
  EXPECT_EQ(p.ClearKey(), 0);
  EXPECT_TRUE(p.AutoSelect());
  EXPECT_TRUE(p.UseMouseWheel());
  EXPECT_TRUE(p.UseLeftAlignmentOnEditing());
  EXPECT_FALSE(p.IsUseLeftAlignmentOnEditingStored());
  EXPECT_FALSE(p.ValidateOnEnter());
  EXPECT_FALSE(p.ReadOnly());
  EXPECT_EQ(p.ButtonsViewStyle(), bvsNormal);
  EXPECT_EQ(p.Buttons()->Count(), 0);
  EXPECT_EQ(p.GetButtonsFeatureFlags(), 0);
  EXPECT_FALSE(p.IsAlignmentStored());
  EXPECT_EQ(p.GetInvalidInputText(1), "Invalid input value. Use escape key to abandon changes");
  p.Buttons()->Add();
  EXPECT_EQ(p.GetButtonsFeatureFlags(), 32);
}

TEST(EditProperties, MaxValueZeroOnANewObjectIsAssignedAndStored) {
  Watched w;
  EXPECT_FALSE(w.props.IsMaxValueStored());
  w.props.SetMaxValue(0);
  EXPECT_EQ(w.changes, 1);
  EXPECT_TRUE(w.props.AssignedValues()->MaxValue());
  EXPECT_TRUE(w.props.IsMaxValueStored());
  // The owner's property does not write a 0, so the flag carries it.
  EXPECT_TRUE(w.props.AssignedValues()->IsMaxValueStored());
  w.props.SetMaxValue(0);
  EXPECT_EQ(w.changes, 1);
  w.props.SetMaxValue(7);
  EXPECT_EQ(w.changes, 2);
  EXPECT_FALSE(w.props.AssignedValues()->IsMaxValueStored());
  // Properties that do not publish the bound leave the flag unstored.
  TkxCustomEditProperties plain(nullptr);
  plain.SetMinValue(0);
  EXPECT_FALSE(plain.AssignedValues()->IsMinValueStored());
}

TEST(EditProperties, FlagSettersReportThroughTheOwner) {
  Watched w;
  TkxCustomEditPropertiesValues* flags = w.props.AssignedValues();
  flags->SetReadOnly(true);
  flags->SetReadOnly(true);
  EXPECT_EQ(w.changes, 1);
  TkxCustomEditProperties source(nullptr);
  source.AssignedValues()->SetMaxValue(true);
  source.AssignedValues()->SetMinValue(true);
  flags->Assign(source.AssignedValues());   // three flags change, one report
  EXPECT_EQ(w.changes, 2);
  EXPECT_TRUE(flags->MaxValue() && flags->MinValue() && !flags->ReadOnly());
  flags->RestoreDefaults();
  EXPECT_EQ(w.changes, 3);
  EXPECT_FALSE(flags->MaxValue() || flags->MinValue() || flags->ReadOnly());
}

TEST(EditProperties, AssignCopiesSettingsAndTheAssignedStateOfEachBound) {
  TPropsTestProperties source(nullptr);
  source.SetMaxValue(9);
  source.SetAutoSelect(false);
  source.SetClickKey(13);
  source.Buttons()->Add()->SetCaption("&Go");
  source.Alignment()->SetVert(taVCenter);
  int validations = 0;
  source.OnValidate = [&](TObject*, Variant&, std::string&, bool&) { ++validations; };
  source.OnClosePopup = [](TObject*, Byte) {};
  Watched w;
  w.props.SetMinValue(3);
  w.changes = 0;
  w.props.Assign(&source);
  EXPECT_EQ(w.changes, 1);
  EXPECT_FALSE(w.props.AssignedValues()->MinValue());
  EXPECT_EQ(w.props.MinValue(), 0);
  EXPECT_TRUE(w.props.AssignedValues()->MaxValue());
  EXPECT_EQ(w.props.MaxValue(), 9);
  EXPECT_FALSE(w.props.AutoSelect());
  EXPECT_EQ(w.props.ClickKey(), 13);
  ASSERT_EQ(w.props.Buttons()->Count(), 1);
  EXPECT_EQ(w.props.Buttons()->Items(0)->Caption(), "&Go");
  EXPECT_EQ(w.props.Alignment()->Vert(), taVCenter);
  EXPECT_FALSE(w.props.Alignment()->IsHorzAssigned());
  Variant value;
  std::string text;
  bool error = false;
  w.props.OnValidate(nullptr, value, text, error);
  EXPECT_EQ(validations, 1);
  EXPECT_FALSE(w.props.OnClosePopup);   // not copied, nor the settings-changed handler
  EXPECT_TRUE(w.props.OnPropertiesChanged);
}

TEST(EditProperties, AlignmentHorzIsTheAssignedValueElseTheProvidersElseLeft) {
  struct Case {
    const char* what;
    bool withProvider;
    bool assignCentre;
    TAlignment expected;
  };
  const Case cases[] = {
      {"nothing", false, false, taLeftJustify},
      {"provider", true, false, taRightJustify},
      {"assigned", false, true, taCenter},
      {"assigned over provider", true, true, taCenter},
  };
  for (const Case& c : cases) {
    TTestProvider provider;
    TkxCustomEditProperties p(nullptr);
    if (c.assignCentre) p.Alignment()->SetHorz(taCenter);
    if (c.withProvider) p.SetDefaultValuesProvider(&provider);
    EXPECT_EQ(p.Alignment()->Horz(), c.expected) << c.what;
    EXPECT_EQ(p.Alignment()->IsHorzAssigned(), c.assignCentre) << c.what;
  }
}

TEST(EditProperties, AnUnassignedHorzKeepsNoValueAProviderOnceGave) {
  TTestProvider provider;
  TkxCustomEditProperties p(nullptr);
  p.SetDefaultValuesProvider(&provider);
  p.Alignment()->SetVert(taBottomJustify);   // the proxy held the provider's Horz
  p.ReleaseDefaultValuesProvider();
  EXPECT_EQ(p.Alignment()->Horz(), taLeftJustify);
  EXPECT_EQ(p.GetEffectiveHorzAlignment(), taLeftJustify);
  EXPECT_EQ(p.Alignment()->Vert(), taBottomJustify);
}

TEST(EditProperties, AFormWriterSeesOnlyTheStoredAlignment) {
  TTestProvider provider;
  TComponent owner(nullptr);
  Watched w(&owner);
  w.props.SetDefaultValuesProvider(&provider);
  w.props.Alignment()->SetVert(taVCenter);
  owner.IncludeState(csWriting);
  TkxEditAlignment* written = w.props.Alignment();
  EXPECT_FALSE(written->IsHorzAssigned());
  EXPECT_EQ(written->Vert(), taVCenter);
  const int changes = w.changes;
  written->SetVert(taBottomJustify);   // detached while writing
  EXPECT_EQ(w.changes, changes);
  owner.ExcludeState(csWriting);
  EXPECT_EQ(w.props.Alignment()->Vert(), taVCenter);
  EXPECT_EQ(w.props.Alignment()->Horz(), taRightJustify);
}

TEST(EditProperties, RestoreDefaultsUnassignsAlignmentAndBoundsInOneReport) {
  struct Case {
    const char* what;
    bool alignment, bound;
    int expected;
  };
  const Case cases[] = {
      {"nothing assigned", false, false, 0},
      {"alignment only", true, false, 1},
      {"bound only", false, true, 1},
      {"both", true, true, 1},
  };
  for (const Case& c : cases) {
    Watched w;
    if (c.alignment) w.props.Alignment()->SetHorz(taRightJustify);
    if (c.bound) w.props.SetReadOnly(true);
    w.changes = 0;
    w.props.RestoreDefaults();
    EXPECT_EQ(w.changes, c.expected) << c.what;
    EXPECT_EQ(w.props.Alignment()->Horz(), taLeftJustify) << c.what;
    EXPECT_FALSE(w.props.IsAlignmentStored()) << c.what;
    EXPECT_FALSE(w.props.ReadOnly()) << c.what;
    EXPECT_FALSE(w.props.IsReadOnlyStored()) << c.what;
  }
}

TEST(EditProperties, UnassignedBoundsAnswerFromTheProvider) {
  TTestProvider provider;
  provider.upper = 100;
  provider.lower = -100;
  provider.readOnly = true;
  Watched w;
  TkxCustomEditProperties& p = w.props;
  p.SetDefaultValuesProvider(&provider);
  EXPECT_EQ(w.changes, 0);   // only an editor owner is told of a new provider
  EXPECT_EQ(p.MaxValue(), 100);
  EXPECT_EQ(p.MinValue(), -100);
  EXPECT_TRUE(p.ReadOnly());
  p.SetMaxValue(3);
  p.SetReadOnly(false);
  EXPECT_EQ(p.MaxValue(), 3);
  EXPECT_FALSE(p.ReadOnly());
}

TEST(EditProperties, IsModifiable) {
  struct Case {
    const char* what;
    int readOnly;   // -1 not assigned
    bool withProvider, providerReadOnly, allowsModification, canEnterEditMode;
    bool expected;
  };
  const Case cases[] = {
      {"no provider", -1, false, false, true, true, true},
      {"assigned read-only", 1, false, false, true, true, false},
      {"assigned writable wins over provider", 0, true, true, false, false, true},
      {"provider allows", -1, true, false, true, true, true},
      {"provider read-only", -1, true, true, true, true, false},
      {"provider forbids modification", -1, true, false, false, true, false},
      {"provider cannot edit", -1, true, false, true, false, false},
      {"assigned read-only over provider", 1, true, false, true, true, false},
  };
  for (const Case& c : cases) {
    TTestProvider provider;
    provider.readOnly = c.providerReadOnly;
    provider.allowsModification = c.allowsModification;
    provider.canEnterEditMode = c.canEnterEditMode;
    TkxCustomEditProperties p(nullptr);
    if (c.withProvider) p.SetDefaultValuesProvider(&provider);
    if (c.readOnly >= 0) p.SetReadOnly(c.readOnly == 1);
    EXPECT_EQ(p.IsModifiable(), c.expected) << c.what;
  }
}

TEST(EditProperties, DisplayFormatFromTheProvider) {
  struct Case {
    const char* what;
    Byte options;
    bool provider, focused, extFocused, extUnfocused;
    bool fromProvider, usesProvider;
  };
  // The provider has the plain display format only, so bit 1 (its editing format) finds none.
  const Case cases[] = {
      {"no option", 0, true, false, false, true, false, false},
      {"option", 1, true, false, false, true, true, true},
      {"option, focused", 1, true, true, false, true, false, true},
      {"editing format meant", 3, true, false, false, true, false, false},
      {"no provider", 1, false, false, false, true, false, false},
      {"external text when focused too", 1, true, false, true, true, true, false},
      {"no external text", 1, true, false, false, false, true, false},
  };
  for (const Case& c : cases) {
    TTestProvider provider;
    TPropsTestProperties p(nullptr);
    p.formatOptions = c.options;
    p.externalWhenFocused = c.extFocused;
    p.externalWhenUnfocused = c.extUnfocused;
    if (c.provider) p.SetDefaultValuesProvider(&provider);
    EXPECT_EQ(p.IsDisplayFormatFromProvider(c.focused), c.fromProvider) << c.what;
    EXPECT_EQ(p.UsesProviderDisplayFormat(), c.usesProvider) << c.what;
  }
}

TEST(EditProperties, AProviderLeavesEveryPropertiesObjectWhenDetachedOrFreed) {
  TkxCustomEditProperties a(nullptr), b(nullptr), other(nullptr);
  TTestProvider otherProvider;
  other.SetDefaultValuesProvider(&otherProvider);
  {
    TTestProvider provider;
    a.SetDefaultValuesProvider(&provider);
    b.SetDefaultValuesProvider(&provider);
    provider.DetachFromAllProperties();
    EXPECT_EQ(a.GetDefaultValuesProvider(), nullptr);
    EXPECT_EQ(b.GetDefaultValuesProvider(), nullptr);
    a.SetDefaultValuesProvider(&provider);
  }
  EXPECT_EQ(a.GetDefaultValuesProvider(), nullptr);
  EXPECT_EQ(other.GetDefaultValuesProvider(), &otherProvider);
}

TEST(EditProperties, EveryLiveObjectIsListed) {
  const std::size_t before = EditPropertiesInstances().size();
  {
    TkxCustomEditProperties p(nullptr);
    ASSERT_EQ(EditPropertiesInstances().size(), before + 1);
    EXPECT_EQ(EditPropertiesInstances().back(), &p);
    std::unique_ptr<TkxCustomEditProperties> copy = TPropsTestProperties(nullptr).CreateInstanceOfSameClass();
    EXPECT_EQ(copy->ClassType(), ClassOf<TPropsTestProperties>());
    EXPECT_EQ(EditPropertiesInstances().size(), before + 2);
  }
  EXPECT_EQ(EditPropertiesInstances().size(), before);
}

TEST(EditProperties, ValidationHandlersRunOwnThenSharedAndAKeptValueBecomesTheText) {
  struct Case {
    const char* what;
    bool ownError, sharedReplaces;
    std::string expectedValue;
  };
  const Case cases[] = {
      {"no error", false, false, "typed"},
      {"error, value kept", true, false, "shown text"},
      {"error, value replaced", true, true, "fixed"},
  };
  for (const Case& c : cases) {
    TkxCustomEditProperties own(nullptr), shared(nullptr);
    std::vector<std::string> calls;
    TObject sender;
    own.OnValidate = [&](TObject* Sender, Variant&, std::string&, bool& Error) {
      EXPECT_EQ(Sender, &sender);
      calls.push_back("own");
      Error = c.ownError;
    };
    shared.OnValidate = [&](TObject*, Variant& DisplayValue, std::string&, bool&) {
      calls.push_back("shared");
      if (c.sharedReplaces) DisplayValue = Variant("fixed");
    };
    Variant value("typed");
    std::string errorText;
    bool error = false;
    TkxCustomEditProperties::RunValidateEvent(&sender, &own, &shared, [] { return std::string("shown text"); }, value,
                                              errorText, error);
    EXPECT_EQ(calls, (std::vector<std::string>{"own", "shared"})) << c.what;
    EXPECT_EQ(error, c.ownError) << c.what;
    EXPECT_EQ(VarToStr(value), c.expectedValue) << c.what;
  }
}

TEST(EditProperties, EditValuesCompareAsVariants) {
  TkxCustomEditProperties p(nullptr);
  EXPECT_TRUE(p.AreEditValuesEqual(Variant(3), Variant(3.0)));
  EXPECT_TRUE(p.AreEditValuesEqual(Variant("a"), Variant("a")));
  EXPECT_FALSE(p.AreEditValuesEqual(Variant("a"), Variant("A")));
  EXPECT_FALSE(p.AreEditValuesEqual(Variant(1), Variant()));
}

TEST(EditProperties, RegistryIsMadeOnceAndKeptSortedByName) {
  FreeEditPropertiesRegistry();
  TkxRegisteredClasses& registry = GetEditPropertiesRegistry();
  EXPECT_EQ(&GetEditPropertiesRegistry(), &registry);
  registry.RegisterClassWithText(ClassOf<TPropsTestProperties>(), "TextEdit|Represents a single line text editor");
  registry.RegisterClassWithText(ClassOf<TkxCustomEditProperties>(), "ButtonEdit|Represents an edit control");
  ASSERT_EQ(registry.Count(), 2);
  EXPECT_EQ(registry.GetEntryName(0), "ButtonEdit");
  EXPECT_EQ(registry.GetEntryName(1), "TextEdit");
  FreeEditPropertiesRegistry();
  EXPECT_EQ(GetEditPropertiesRegistry().Count(), 0);
  FreeEditPropertiesRegistry();
}

}  // namespace
