// The settings of TkxShellComboBox (interim, under their final names, types, value names and
// defaults, so that form images load unchanged when the shell controls replace it):
//   Properties.Root.BrowseFolder  TkxBrowseFolder, default bfDesktop
//   Properties.Root.CustomPath    wide text, default empty
//   Properties.ShowFullPath       TkxShellComboBoxShowFullPath, default sfpNever
//   Properties.DropDownWidth      pixels, default 250
//   Properties.HideSelection      default True
// The interim combo box keeps Root and ShowFullPath without acting on them: its list always starts
// at "/" and the drives' folders and its text is always a full path (docs/controls-interim.md).
// A change of DropDownWidth or HideSelection is reported to the owner through OnChanged.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"
#include "platform/core/types.h"

// Where a shell view starts: a special folder, or CustomPath.
PR_ENUM(TkxBrowseFolder, bfCustomPath, bfAltStartup, bfBitBucket, bfCommonDesktopDirectory, bfCommonDocuments,
        bfCommonFavorites, bfCommonPrograms, bfCommonStartMenu, bfCommonStartup, bfCommonTemplates, bfControls,
        bfDesktop, bfDesktopDirectory, bfDrives, bfPrinters, bfFavorites, bfFonts, bfHistory, bfMyMusic,
        bfMyPictures, bfNetHood, bfProfile, bfProgramFiles, bfPrograms, bfRecent, bfStartMenu, bfStartUp,
        bfTemplates)

PR_ENUM(TkxShellComboBoxShowFullPath, sfpNever, sfpAlways, sfpNotFocused)

class TkxShellComboBoxRoot : public TPersistent {
  PR_CLASS(TkxShellComboBoxRoot, TPersistent)

 public:
  explicit TkxShellComboBoxRoot(TPersistent* AOwner) : owner_(AOwner) {}

  TkxBrowseFolder BrowseFolder() const { return browseFolder_; }
  void SetBrowseFolder(TkxBrowseFolder Value) { browseFolder_ = Value; }
  const std::u16string& CustomPath() const { return customPath_; }
  void SetCustomPath(const std::u16string& Value) { customPath_ = Value; }
  void Assign(TPersistent* Source) override;

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  TPersistent* owner_;
  TkxBrowseFolder browseFolder_ = bfDesktop;
  std::u16string customPath_;
};

class TkxShellComboBoxProperties : public TPersistent {
  PR_CLASS(TkxShellComboBoxProperties, TPersistent)

 public:
  explicit TkxShellComboBoxProperties(TPersistent* AOwner);
  ~TkxShellComboBoxProperties() override;

  TkxShellComboBoxRoot* Root() const { return root_.get(); }
  void SetRoot(TkxShellComboBoxRoot* Value) { root_->Assign(Value); }
  TkxShellComboBoxShowFullPath ShowFullPath() const { return showFullPath_; }
  void SetShowFullPath(TkxShellComboBoxShowFullPath Value) { showFullPath_ = Value; }
  Integer DropDownWidth() const { return dropDownWidth_; }
  void SetDropDownWidth(Integer Value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool Value);
  void Assign(TPersistent* Source) override;

  std::function<void()> OnChanged;

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  void Changed();

  TPersistent* owner_;
  std::unique_ptr<TkxShellComboBoxRoot> root_;
  TkxShellComboBoxShowFullPath showFullPath_ = sfpNever;
  Integer dropDownWidth_ = 250;
  bool hideSelection_ = true;
};
