// The text layer's font machinery, set up once per process: the project's fontconfig configuration,
// the pango font map over it and the pango context whose options make every glyph crisp.
//
// Configuration file: the first of $PR_FONTS_CONF, "fonts.conf" beside the running program, and
// platform/gdi/fonts/fonts.conf of the source tree this build came from.  It is made fontconfig's
// current configuration, so everything in the process resolves faces the same way.  When none can
// be loaded the machine's own configuration is used (ConfigFile() is then empty).
//
// Rendering options: no antialiasing, slight hinting, metrics rounded to whole pixels.  Glyphs then
// cover whole pixels only and advances are integers, as the platform's text calls promise.
//
// Thread safety: pango and the font caches are not thread-safe, so every text call holds Lock()
// while it measures or draws.  Lock order: the handle table's lock may be held when taking this one
// (a font freed by DeleteObject releases its caches), never the other way round.
#pragma once

#include <mutex>
#include <string>

typedef struct _FcConfig FcConfig;
typedef struct _PangoFontMap PangoFontMap;
typedef struct _PangoContext PangoContext;
typedef struct _cairo_font_options cairo_font_options_t;

namespace gdi {

class FontSystem {
 public:
  static FontSystem& Instance();
  FontSystem(const FontSystem&) = delete;
  FontSystem& operator=(const FontSystem&) = delete;

  std::unique_lock<std::mutex> Lock() { return std::unique_lock<std::mutex>(mutex_); }

  FcConfig* Config() const { return config_; }
  PangoFontMap* FontMap() const { return fontMap_; }
  PangoContext* Context() const { return context_; }
  const cairo_font_options_t* Options() const { return options_; }
  const std::string& ConfigFile() const { return configFile_; }

 private:
  FontSystem();

  std::mutex mutex_;
  FcConfig* config_ = nullptr;
  PangoFontMap* fontMap_ = nullptr;
  PangoContext* context_ = nullptr;
  cairo_font_options_t* options_ = nullptr;
  std::string configFile_;
};

// The configuration file the font system loads, by the search order above ("" when none exists).
std::string FindFontConfigFile();

}  // namespace gdi
