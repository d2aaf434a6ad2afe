// Look-and-feel settings (unit kxLookAndFeels): every control of the library owns a TkxLookAndFeel
// whose Kind, NativeStyle and SkinName are each either assigned on the object or taken from its
// master look-and-feel, and ultimately from the one root object the unit creates at start-up.  From
// the effective values it picks the painter class that draws the control, and it tells its
// listeners (child look-and-feels, controllers) and its owner (OnChanged) exactly which values
// changed.  TkxLookAndFeelController, a form-level component, edits the root and so restyles every
// control at once; when the last controller goes, the root's assignments are reset.  A system
// colour change is reported as lfvNativeStyle, so controls choose their painter again.  Interface
// thread only.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/kx_interfaced_persistent.h"
#include "controls/foundation/kx_painter.h"
#include "controls/foundation/kx_painter_resources.h"
#include "controls/foundation/kd_theme_manager.h"
#include "platform/classes/component.h"
#include "platform/classes/enum_set.h"
#include "platform/classes/event.h"

class TkxSystemPaletteChangedNotifier;
class TkxLookAndFeel;

PR_ENUM(TkxLookAndFeelValue, lfvKind, lfvNativeStyle, lfvSkinName)
using TkxLookAndFeelValues = TSet<TkxLookAndFeelValue>;
inline constexpr TkxLookAndFeelValues kxLookAndFeelValuesAll = {lfvKind, lfvNativeStyle, lfvSkinName};

struct TkxLookAndFeelData {
  TkxLookAndFeelKind Kind = lfUltraFlat;
  bool NativeStyle = false;
  std::string SkinName;
  TkxLookAndFeelPainterClass Painter = nullptr;   // meaningful only in the current state
};

// Listeners are not owned; they leave the list before they go.
struct IkxLookAndFeelChangeListener {
  virtual TObject* GetObject() = 0;
  virtual void MasterChanged(TkxLookAndFeel* Sender, TkxLookAndFeelValues Values) = 0;
  virtual void MasterDestroying(TkxLookAndFeel* Sender) = 0;

 protected:
  ~IkxLookAndFeelChangeListener() = default;
};

class TkxLookAndFeel : public TkxInterfacedPersistent,
                       public IkxLookAndFeelChangeListener,
                       public IkxSkinPainterListener {
  PR_CLASS(TkxLookAndFeel, TkxInterfacedPersistent)

 public:
  explicit TkxLookAndFeel(TPersistent* AOwner);
  ~TkxLookAndFeel() override;

  void Assign(TPersistent* Source) override;

  // Effective values (assigned here, else inherited).
  virtual TkxLookAndFeelKind GetEffectiveKind() const;
  virtual bool GetEffectiveNativeStyle() const;
  virtual std::string GetEffectiveSkinName() const;
  virtual TkxLookAndFeelPainterClass GetEffectiveSkinPainter() const;
  // Null for an empty name or one the skin-painter registry does not hold.
  virtual TkxLookAndFeelPainterClass FindSkinPainter(const std::string& Name) const;
  virtual void SystemPaletteChanged();

  // The current state, as of the last change report.
  TkxLookAndFeelKind Kind() const { return current_.Kind; }
  bool NativeStyle() const { return current_.NativeStyle; }
  std::string SkinName() const { return current_.SkinName; }
  TkxLookAndFeelPainterClass GetPainterClass() const { return current_.Painter; }
  TkxLookAndFeelPainterClass SkinPainter() const { return skinPainter_; }
  void SetKind(TkxLookAndFeelKind Value);
  void SetNativeStyle(bool Value);
  void SetSkinName(const std::string& Value);
  TkxLookAndFeelValues AssignedValues() const { return assigned_; }
  void SetAssignedValues(TkxLookAndFeelValues Value);
  void ResetAssignedValues() { SetAssignedValues({}); }

  // Null for the root; else the master, or the root when none is set.
  TkxLookAndFeel* GetMaster() const;
  // Ignored on the root, for itself and for the current master.
  void SetMaster(TkxLookAndFeel* Value);
  bool IsRoot() const { return isRoot_; }

  // Native style with the visual style of every type of Types (of Type) available: the visual-style
  // painter; else the skin painter; else the Kind's painter.  The empty set asks only for the
  // library and active themes.
  TkxLookAndFeelPainterClass SelectPainterClass(ThemedObjectTypes Types = 0) const;
  TkxLookAndFeelPainterClass SelectPainterClassForType(ThemedObjectType Type) const;

  // Null is ignored, and so is a second registration; a controller only joins the root.
  void RegisterListener(IkxLookAndFeelChangeListener* Listener);
  void UnregisterListener(IkxLookAndFeelChangeListener* Listener);
  Integer ListenerCount() const { return Integer(listeners_.size()); }

  // IkxLookAndFeelChangeListener.
  TObject* GetObject() override { return this; }
  void MasterChanged(TkxLookAndFeel* Sender, TkxLookAndFeelValues Values) override;
  void MasterDestroying(TkxLookAndFeel* Sender) override;
  // IkxSkinPainterListener.
  void SkinPaintersChanged() override;

  Event<void(TkxLookAndFeel* Sender, TkxLookAndFeelValues Values)> OnChanged;

  // Stored exactly when assigned.
  bool KindStored() const { return assigned_.Contains(lfvKind); }
  bool NativeStyleStored() const { return assigned_.Contains(lfvNativeStyle); }
  bool SkinNameStored() const { return assigned_.Contains(lfvSkinName); }

  // The unit's start-up makes the root.
  static void MakeRoot();

 protected:
  void NotifyChanged(TkxLookAndFeelValues Values);

 private:
  TkxLookAndFeelKind InheritedKind() const;
  bool InheritedNativeStyle() const;
  std::string InheritedSkinName() const;
  TkxLookAndFeelPainterClass InheritedSkinPainter() const;
  // Kind, NativeStyle, SkinName and the skin painter from the effective values; the painter class.
  void RefreshCurrentState();
  void RememberState();
  void ReportStateChanges();
  // The master itself, or the root in its place (null for the root).
  const TkxLookAndFeel* Source() const;

  TkxLookAndFeelValues assigned_;
  std::vector<IkxLookAndFeelChangeListener*> listeners_;
  TkxLookAndFeelData current_;
  TkxLookAndFeelData data_;
  bool destroying_ = false;
  bool isRoot_ = false;
  TkxLookAndFeel* master_ = nullptr;
  TkxLookAndFeelPainterClass skinPainter_ = nullptr;
  TkxLookAndFeelData saved_;
  std::unique_ptr<TkxSystemPaletteChangedNotifier> paletteNotifier_;
};

// The root look-and-feel; null before the unit starts and after it stops.
TkxLookAndFeel* SharedRootLookAndFeel();
// The number of controllers the root has accepted.
Integer RootLookAndFeelControllerCount();
// The painter of each kind: flat, standard, ultra-flat, Office 2003.
TkxLookAndFeelPainterClass PainterClassOfKind(TkxLookAndFeelKind Kind);

// Edits the root: its Kind, NativeStyle and SkinName are the root's (lfUltraFlat, False and empty
// without a root).
class TkxLookAndFeelController : public TComponent, public IkxLookAndFeelChangeListener {
  PR_CLASS(TkxLookAndFeelController, TComponent)

 public:
  explicit TkxLookAndFeelController(TComponent* AOwner);
  ~TkxLookAndFeelController() override;

  TkxLookAndFeelKind Kind() const;
  void SetKind(TkxLookAndFeelKind Value);
  bool NativeStyle() const;
  void SetNativeStyle(bool Value);
  std::string SkinName() const;
  void SetSkinName(const std::string& Value);
  bool SkinNameStored() const { return !SkinName().empty(); }

  TObject* GetObject() override { return this; }
  void MasterChanged(TkxLookAndFeel*, TkxLookAndFeelValues) override { RootChanged(); }
  void MasterDestroying(TkxLookAndFeel*) override { RootDestroying(); }

 protected:
  // Nothing at run time.
  virtual void RootChanged() {}
  // Would tell a form designer that the form changed; this system has none.
  virtual void RootDestroying() {}
};

// Start-up: the root (ultra-flat, no native style, no skin).  Shut-down: the root goes; its
// listeners move to no master.
extern const Unit kxLookAndFeelsUnit;
