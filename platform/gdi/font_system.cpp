// The process-wide font machinery; see font_system.h.
#include "platform/gdi/font_system.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace gdi {
namespace {

#ifndef PR_FONTS_CONF_DEFAULT
#define PR_FONTS_CONF_DEFAULT ""
#endif

std::filesystem::path ProgramFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : exe.parent_path();
}

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

FcConfig* LoadConfig(const std::string& file) {
  FcConfig* config = FcConfigCreate();
  if (!file.empty() && FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(file.c_str()), FcTrue) &&
      FcConfigBuildFonts(config))
    return config;
  FcConfigDestroy(config);
  return nullptr;
}

}  // namespace

std::string FindFontConfigFile() {
  if (const char* env = std::getenv("PR_FONTS_CONF"); env && IsFile(env)) return env;
  if (const auto beside = ProgramFolder() / "fonts.conf"; IsFile(beside)) return beside.string();
  if (IsFile(PR_FONTS_CONF_DEFAULT)) return PR_FONTS_CONF_DEFAULT;
  return {};
}

FontSystem& FontSystem::Instance() {
  static FontSystem* instance = new FontSystem;   // never freed: fonts may be used until the very end
  return *instance;
}

FontSystem::FontSystem() {
  configFile_ = FindFontConfigFile();
  config_ = LoadConfig(configFile_);
  if (config_) {
    FcConfigSetCurrent(config_);
  } else {
    configFile_.clear();
    config_ = FcInitLoadConfigAndFonts();
  }
  fontMap_ = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
  pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap_), config_);
  context_ = pango_font_map_create_context(fontMap_);
  options_ = cairo_font_options_create();
  cairo_font_options_set_antialias(options_, CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_style(options_, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options_, CAIRO_HINT_METRICS_ON);
  pango_cairo_context_set_font_options(context_, options_);
}

}  // namespace gdi

#if defined(__SANITIZE_ADDRESS__)
// fontconfig keeps a pattern's elements as offsets from the pattern instead of pointers, so the
// leak checker cannot follow them from the live font map and would report every cached pattern at
// exit.  libdbus, which SDL's X11 display uses for input methods, keeps its session-bus connection
// until the process ends.  libfreexl 1.0.6 loses a few kilobytes on some damaged binary workbooks
// that it nevertheless opens (the worksheet server's tests feed it such copies).  (The one
// definition of these hooks in the project.)
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:libdbus-1.so\nleak:libfreexl.so\n";
}
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
