#include "app/open_company_edit_form.h"

#include <memory>

#include "app/company_folder_check.h"
#include "app/program_environment.h"
#include "controls/foundation/kx_button.h"
#include "controls/interim/kx_shell_combo_box.h"
#include "controls/interim/kx_text_edit.h"
#include "platform/classes/publisher.h"
#include "platform/core/cp874.h"
#include "platform/os/folders.h"
#include "platform/os/path.h"
#include "platform/ui/label.h"
#include "platform/ui/menu.h"
#include "platform/user/virtual_keys.h"
#include "suite/user_interface.h"

// The form image, embedded by the build from open_company_edit_form.form.
#include "TFORM_OPENCOMPANY_EDIT.res.inc"

PR_PUBLISH(TForm_OpenCompany_Edit) {
  p.Field("Label1", &TForm_OpenCompany_Edit::Label1);
  p.Field("Label2", &TForm_OpenCompany_Edit::Label2);
  p.Field("Edit1", &TForm_OpenCompany_Edit::Edit1);
  p.Field("Edit2", &TForm_OpenCompany_Edit::Edit2);
  p.Field("kxButton1", &TForm_OpenCompany_Edit::kxButton1);
  p.Field("Btn_Cancel", &TForm_OpenCompany_Edit::Btn_Cancel);
  p.Field("PopupMenu1", &TForm_OpenCompany_Edit::PopupMenu1);
  p.Field("F101", &TForm_OpenCompany_Edit::F101);
  p.Field("MenuItem11", &TForm_OpenCompany_Edit::MenuItem11);
  p.Method("FormShow", &TForm_OpenCompany_Edit::FormShow);
  p.Method("FormKeyDown", &TForm_OpenCompany_Edit::FormKeyDown);
  p.Method("Edit1Enter", &TForm_OpenCompany_Edit::Edit1Enter);
  p.Method("Edit1PropertiesChange", &TForm_OpenCompany_Edit::Edit1PropertiesChange);
  p.Method("Btn_SaveClick", &TForm_OpenCompany_Edit::Btn_SaveClick);
  p.Method("Btn_CancelClick", &TForm_OpenCompany_Edit::Btn_CancelClick);
}

std::string FolderSafeName(const std::string& Text) {
  std::string safe;
  for (const char c : Text)
    if (std::string_view("\"*/:;<>?\\|").find(c) == std::string_view::npos) safe.push_back(c);
  return safe;
}

bool TForm_OpenCompany_Edit::Execute(std::string& Name, std::string& Folder) {
  std::unique_ptr<TForm_OpenCompany_Edit, TObjectDeleter> form(NewObject<TForm_OpenCompany_Edit>(nullptr));
  form->Edit1->SetText(Name);
  form->Edit2->SetText(Folder);
  if (form->ShowModal() != mrOk) return false;
  Name = form->Edit1->Text();
  Folder = form->Edit2->Text();
  return true;
}

void TForm_OpenCompany_Edit::FormShow(TObject*) {
  startFolder_ = GetCurrentDir();
  newEntry_ = folderFollowsName_ = Edit2->Text() == startFolder_;
  if (newEntry_) {
    Edit2->SetText("");
    Edit2->SetEnabled(false);
    kxButton1->SetEnabled(false);
  }
  SetActiveControl(Edit1);
  PrepareForm(this);
  shown_ = true;
}

void TForm_OpenCompany_Edit::FormKeyDown(TObject*, Word& Key, TShiftState) {
  if (Key == VK_ESCAPE) {
    Key = 0;
    Btn_CancelClick(this);
  } else if (Key == VK_F10) {
    Key = 0;
    Btn_SaveClick(this);
  }
}

void TForm_OpenCompany_Edit::Edit1Enter(TObject*) {
  if (newEntry_ && !Edit1->Text().empty()) folderFollowsName_ = Edit2->Text() == FolderOfName();
}

void TForm_OpenCompany_Edit::Edit1PropertiesChange(TObject*) {
  if (!shown_) return;
  if (newEntry_ && folderFollowsName_) Edit2->SetText(FolderOfName());
  kxButton1->SetEnabled(true);
  Edit2->SetEnabled(true);
}

void TForm_OpenCompany_Edit::Btn_SaveClick(TObject*) {
  if (Edit1->Text().find(';') != std::string::npos) {
    ShowErrorBox(std::string("ชื่อกิจการต้องไม่มีเครื่องหมาย \";\""_cp874));
    Edit1->SetFocus();
    return;
  }
  if (ValidateDataFolder()) {
    SetModalResult(mrOk);
    return;
  }
  // A new entry's folder field stays disabled until a name is typed.
  if (Edit2->CanFocus()) Edit2->SetFocus();
  else Edit1->SetFocus();
}

void TForm_OpenCompany_Edit::Btn_CancelClick(TObject*) { SetModalResult(mrCancel); }

bool TForm_OpenCompany_Edit::ValidateDataFolder() {
  const std::string folder = Edit2->Text();
  if (folder.find('|') != std::string::npos) {
    ShowWrongFolderBox();
    return false;
  }
  return ValidateCompanyFolder(folder, startFolder_);
}

std::string TForm_OpenCompany_Edit::FolderOfName() const {
  const std::string name = FolderSafeName(Edit1->Text());
  return startFolder_ == "/" ? "/" + name : startFolder_ + PathDelim + name;
}
