// The program's environment: environment variables under the desktop system's names, and the
// folders it asks the system for (application data, temporary files, the system folder).
//
// Texts are code page 874 (values and folders are converted from the UTF-8 of the environment;
// characters outside the code page become '?').  Folder names for the desktop system's variables:
//   APPDATA      $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config
//   TEMP, TMP    $TMPDIR when it is set and not empty, else /tmp
// Every other name is looked up as it is.  Folders come without a trailing '/' except where the
// desktop system's call ends them with a separator (GetTempPath).
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The value of an environment variable; nothing when it is not set.
std::optional<std::string> GetEnvironmentVariableValue(std::string_view name);
// The class library's form: the value, or "" when it is not set.
std::string GetEnvironmentVariable(std::string_view name);

// The per-user application data folder (APPDATA).
std::string AppDataFolder();
// The temporary folder (TEMP) with a trailing '/'.
std::string GetTempPath();
// The folder that stands for the desktop system's own folder, "($WINSYS)" in stored settings:
// AppDataFolder() + "/Quendry/System", created when missing.
std::string GetSystemDirectory();
