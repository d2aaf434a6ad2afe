// The checks a company's data folder or report-template folder passes before the company list
// takes it (the edit and template dialogs).
//
// A folder is wrong ("กำหนดไดเร็คทอรี่ไม่ถูกต้อง") when it is empty, when it exists but cannot be
// entered, and when it is the start folder (the folder that was current when the dialog showed:
// the program folder), the file system's root "/" or a folder that a drive of the drive map points
// at, so that no company's data lands beside the program or at the top of a file system or drive,
// whatever the map says.  Folders are compared by their full paths (drive map, case rules, ".."
// and symbolic links resolved), found without changing the current folder.  Other mount points
// are allowed: a share mounted as a company folder is a sound set-up.
//
// A missing folder is offered for creation ("ไม่พบไดเร็คทอรี่ที่กำหนด. ต้องการสร้างใหม่?", Yes the
// default); Yes creates it with every missing parent ("ไม่สามารถสร้างไดเร็คทอรี่ที่กำหนดได้" when
// that fails), No leaves it missing.
#pragma once

#include <string>

enum class TFolderVerdict { Accepted, Wrong, Missing };

// The verdict on Folder for a dialog whose start folder is StartFolder (no message).
TFolderVerdict JudgeCompanyFolder(const std::string& Folder, const std::string& StartFolder);

// The dialogs' check: true when the folder is accepted or was created; otherwise the box that says
// why has been shown (none after No to the creation question).
bool ValidateCompanyFolder(const std::string& Folder, const std::string& StartFolder);

// Shows the box of a wrong folder.
void ShowWrongFolderBox();
