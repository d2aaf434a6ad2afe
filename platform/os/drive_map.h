// Where the Windows-form paths found in stored data lie on this machine.
//
// A drive prefix "X:" maps to a native folder per drive letter (letters are taken without case);
// by default every drive maps to "/", so "C:\PAYROLL\PRINFO.DAT" names "/PAYROLL/PRINFO.DAT" (then
// matched without case, path.h).  A UNC share "\\server\share" maps only when configured; a path on
// an unmapped share is a bad network path.  Server and share names are compared without ASCII case.
//
// The map is read from the environment variable PR_DRIVE_MAP when first used and can be changed
// at run time.  Its text form, also accepted by LoadPathMappings, is a list of entries separated by
// ';', each "<drive letter>=<native folder>" or "\\server\share=<native folder>", e.g.
//     C=/srv/acc;D=/mnt/data;\\fileserver\payroll=/mnt/payroll
// Every text here is code page 874, like every path the program handles; roots are native folders.
// All functions are safe to call from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Maps drive letter `drive` to the native folder `root`.
void SetDriveMapping(char drive, std::string_view root);

// Maps the share "\\server\share" (either separator) to the native folder `root`.
void SetUncMapping(std::string_view uncShare, std::string_view root);

// Forgets every mapping: each drive maps to "/" again and no share maps.
void ResetPathMappings();

// Adds the entries of a map in the text form above; false (changing nothing) when it is malformed.
bool LoadPathMappings(std::string_view mapText);

// The native folder (UTF-8) of a drive letter.
std::string DriveRoot(char drive);

// The native folder (UTF-8) of a share, or nothing when it is not mapped.
std::optional<std::string> UncRoot(std::string_view server, std::string_view share);
