#include "platform/ui/file_dialog_form.h"

#include "platform/classes/publisher.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_constants.h"
#include "platform/os/file_names.h"
#include "platform/os/folders.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/message_box.h"

PR_IMPLEMENT_CLASS(TFileDialogForm)

namespace {

template <class T>
T* AddControl(TForm* form, const char* name, Integer left, Integer top, Integer width, Integer height) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetParent(form);
  control->SetBounds(left, top, width, height);
  return control;
}

void AddLabel(TForm* form, const char* name, const char* caption, Integer left, Integer top, TWinControl* focus) {
  auto* label = AddControl<TLabel>(form, name, left, top, 160, 16);
  label->SetCaption(caption);
  label->SetFocusControl(focus);
}

void Fill(TListBox* list, const std::vector<std::string>& names) {
  list->Items()->BeginUpdate();
  list->Items()->Clear();
  for (const std::string& name : names) list->Items()->Add(name);
  list->Items()->EndUpdate();
}

// Path shortened with "..." in place of whole leading folders to fit Width pixels of Canvas's font.
std::string FittedPath(TCanvas* canvas, const std::string& path, Integer width) {
  std::string buffer = path + std::string(4, '\0');  // room for the ellipsis and the end mark
  TRect rect{0, 0, width, 0};
  DrawTextExA(canvas->Handle(), buffer.data(), int(path.size()), &rect,
              DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT, nullptr);
  return buffer.c_str();
}

// The text of the file-name box for the selected names: one as it is, several quoted.
std::string NamesText(const std::vector<std::string>& names) {
  if (names.size() == 1) return names.front();
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "\"" : " \"") + name + "\"";
  return text;
}

}  // namespace

TFileDialogForm::TFileDialogForm(TComponent* AOwner, const TFileDialogRequest& Request)
    : TForm(AOwner, CreateNewTag{}), defaultExt_(Request.DefaultExt), options_(Request.Options),
      saving_(Request.Saving) {
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetCaption(Request.Title);
  SetClientWidth(424);
  SetClientHeight(262);
  model_.SetFilter(Request.Filter);
  model_.SetFilterIndex(Request.FilterIndex);
  model_.ShowHidden = options_.Contains(ofForceShowHidden);
  BuildControls();
  StartFolder(Request);
  Refresh();
}

void TFileDialogForm::BuildControls() {
  fileNameEdit_ = AddControl<TEdit>(this, "FileNameEdit", 8, 24, 160, 21);
  fileList_ = AddControl<TListBox>(this, "FileList", 8, 50, 160, 140);
  fileList_->SetMultiSelect(options_.Contains(ofAllowMultiSelect));
  fileList_->OnClick = [this](TObject*) { FileListClick(); };
  fileList_->OnDblClick = [this](TObject*) { OkClick(); };
  typeList_ = AddControl<TListBox>(this, "TypeList", 8, 214, 160, 40);
  typeList_->OnClick = [this](TObject*) { TypeListClick(); };
  folderLabel_ = AddControl<TLabel>(this, "FolderLabel", 180, 28, 150, 16);
  folderLabel_->SetShowAccelChar(false);
  folderList_ = AddControl<TListBox>(this, "FolderList", 180, 50, 150, 140);
  folderList_->OnDblClick = [this](TObject*) { OkClick(); };
  AddLabel(this, "FileNameLabel", "File &name:", 8, 8, fileNameEdit_);
  AddLabel(this, "TypeLabel", "List files of &type:", 8, 198, typeList_);
  AddLabel(this, "FolderListLabel", "&Folders:", 180, 8, folderList_);

  auto* ok = AddControl<TButton>(this, "OKButton", 340, 24, 75, 25);
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->OnClick = [this](TObject*) { OkClick(); };
  auto* cancel = AddControl<TButton>(this, "CancelButton", 340, 56, 75, 25);
  cancel->SetCaption("Cancel");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  readOnlyCheck_ = AddControl<TCheckBox>(this, "ReadOnlyCheck", 340, 100, 80, 17);
  readOnlyCheck_->SetCaption("&Read only");
  readOnlyCheck_->SetChecked(options_.Contains(ofReadOnly));
  readOnlyCheck_->SetVisible(!options_.Contains(ofHideReadOnly));

  for (const TFileFilterEntry& entry : model_.Filters()) typeList_->Items()->Add(entry.Description);
  if (!model_.Filters().empty()) typeList_->SetItemIndex(model_.FilterIndex() - 1);
  SetActiveControl(fileNameEdit_);
}

// The first folder shown: InitialDir, else the folder of FileName, else the current folder.
void TFileDialogForm::StartFolder(const TFileDialogRequest& Request) {
  const std::string fileFolder = ExtractFileDir(Request.FileName);
  const bool started = (!Request.InitialDir.empty() && model_.SetFolder(Request.InitialDir)) ||
                       (!fileFolder.empty() && model_.SetFolder(fileFolder));
  if (!started) model_.SetFolder(GetCurrentDir());
  fileNameEdit_->SetText(fileFolder.empty() || !started ? Request.FileName : ExtractFileName(Request.FileName));
}

void TFileDialogForm::Refresh() {
  TBitmap probe;
  probe.SetSize(1, 1);
  probe.Canvas()->SetFont(Font());
  folderLabel_->SetCaption(FittedPath(probe.Canvas(), model_.Folder(), folderLabel_->Width()));
  Fill(fileList_, model_.Files());
  Fill(folderList_, model_.Folders());
}

bool TFileDialogForm::ReadOnlyChecked() const { return readOnlyCheck_->Checked(); }

void TFileDialogForm::OkClick() {
  if (folderList_->Focused()) {
    if (folderList_->ItemIndex() >= 0) OpenFolder(folderList_->Items()->Strings(folderList_->ItemIndex()));
    return;
  }
  const std::string text = fileNameEdit_->Text();
  if (HasWildcards(text)) {
    model_.SetTypedMasks(text);
    Refresh();
    return;
  }
  const std::vector<std::string> names = SplitFileNames(text);
  if (names.empty()) return;
  if (names.size() == 1 && OpenFolder(names.front())) {
    fileNameEdit_->SetText("");
    return;
  }
  if (names.size() > 1 && !options_.Contains(ofAllowMultiSelect)) return;
  if (Accept(names)) SetModalResult(mrOk);
}

bool TFileDialogForm::OpenFolder(const std::string& Name) {
  if (!model_.SetFolder(model_.FullName(Name, ""))) return false;
  Refresh();
  return true;
}

bool TFileDialogForm::Accept(const std::vector<std::string>& Names) {
  std::vector<std::string> chosen;
  for (const std::string& name : Names) {
    chosen.push_back(model_.FullName(name, defaultExt_));
    if (!Confirm(CheckFileChoice(chosen.back(), options_, saving_), chosen.back())) return false;
  }
  chosen_ = std::move(chosen);
  return true;
}

bool TFileDialogForm::Confirm(TFileChoiceCheck Check, const std::string& FullName) {
  const UINT warning = MB_ICONEXCLAMATION;
  switch (Check) {
    case TFileChoiceCheck::Accept: return true;
    case TFileChoiceCheck::PathMissing:
      MessageBoxA(Handle(), (FullName + "\nThis folder does not exist.\nCheck the folder name and try again.").c_str(),
                  Caption().c_str(), MB_OK | warning);
      return false;
    case TFileChoiceCheck::FileMissing:
      MessageBoxA(Handle(), (FullName + "\nThis file does not exist.\nCheck the file name and try again.").c_str(),
                  Caption().c_str(), MB_OK | warning);
      return false;
    case TFileChoiceCheck::AskCreate:
      return MessageBoxA(Handle(), (FullName + "\nThis file does not exist.\nDo you want to create it?").c_str(),
                         Caption().c_str(), MB_YESNO | warning) == IDYES;
    case TFileChoiceCheck::AskOverwrite:
      return MessageBoxA(Handle(), (FullName + " already exists.\nDo you want to replace it?").c_str(),
                         Caption().c_str(), MB_YESNO | warning) == IDYES;
  }
  return false;
}

void TFileDialogForm::FileListClick() {
  std::vector<std::string> names;
  for (Integer i = 0; i < fileList_->Items()->Count(); ++i)
    if (fileList_->Selected(i)) names.push_back(fileList_->Items()->Strings(i));
  if (!names.empty()) fileNameEdit_->SetText(NamesText(names));
}

void TFileDialogForm::TypeListClick() {
  model_.SetFilterIndex(typeList_->ItemIndex() + 1);
  Refresh();
}
