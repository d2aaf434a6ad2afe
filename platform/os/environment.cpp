// Environment variables and the standard folders (see environment.h).
#include "platform/os/environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/core/cp874.h"
#include "platform/os/folders.h"

namespace {

bool IsSet(const char* value) { return value && *value; }

std::string NativeHome() {
  if (const char* home = std::getenv("HOME"); IsSet(home)) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && IsSet(entry->pw_dir)) return entry->pw_dir;
  return "/";
}

std::string NativeConfigHome() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); IsSet(config) && config[0] == '/')
    return config;
  std::string home = NativeHome();
  if (home.back() != '/') home += '/';
  return home + ".config";
}

std::string NativeTempFolder() {
  const char* temp = std::getenv("TMPDIR");
  std::string folder = IsSet(temp) ? temp : "/tmp";
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

std::optional<std::string> GetEnvironmentVariableValue(std::string_view name) {
  if (name == "APPDATA") return AppDataFolder();
  if (name == "TEMP" || name == "TMP") return Utf8ToCp874(NativeTempFolder());
  const char* value = std::getenv(Cp874ToUtf8(name).c_str());
  if (!value) return std::nullopt;
  return Utf8ToCp874(value);
}

std::string GetEnvironmentVariable(std::string_view name) {
  return GetEnvironmentVariableValue(name).value_or(std::string());
}

std::string AppDataFolder() { return Utf8ToCp874(NativeConfigHome()); }

std::string GetTempPath() {
  std::string folder = Utf8ToCp874(NativeTempFolder());
  if (folder.back() != '/') folder += '/';
  return folder;
}

std::string GetSystemDirectory() {
  std::string folder = AppDataFolder() + "/Quendry/System";
  ForceDirectories(folder);   // a failure shows when the folder is used
  return folder;
}
