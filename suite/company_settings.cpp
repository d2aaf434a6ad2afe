#include "suite/company_settings.h"

#include "platform/core/int_text.h"
#include "suite/cfg_settings.h"
#include "suite/configuration.h"

void SaveCompanySettings() {
  RewriteCfgFile([](std::vector<std::string>& lines) {
    const TCfgSettings& s = CfgSettings;
    SetCfgLine(lines, "OPENCOMPANY_DIR", s.OpenCompanyDir);
    SetCfgLine(lines, "OPENCOMPANY_COMPANY", s.OpenCompanyCompany);
    SetCfgLine(lines, "OPENCOMPANY_SELECT", s.OpenCompanySelect ? "1" : "0");
    SetCfgLine(lines, "OPENCOMPANY_COLPOSITION", IntToStr(s.OpenCompanyColPosition));
  });
}

void ClearCompanyAutoSelect() {
  CfgSettings.OpenCompanySelect = false;
  SaveCompanySettings();
}
