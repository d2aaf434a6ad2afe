// The remembered company choice in QZACC.CFG: the folder, the company name, whether the company is
// chosen automatically at the next start, and the width of the company list's first column.
//
// The values live in CfgSettings (OpenCompanyDir, OpenCompanyCompany, OpenCompanySelect,
// OpenCompanyColPosition); saving replaces the lines OPENCOMPANY_DIR, OPENCOMPANY_COMPANY,
// OPENCOMPANY_SELECT ("1" or "0") and OPENCOMPANY_COLPOSITION (decimal) by key, without regard to
// case, or appends them, and keeps every other line (also the payroll set ending in "_PR") in place.
// The company dialog and the data-file wrapper use it; neither needs a window for it.
#pragma once

// Writes the four keys into QZACC.CFG.
void SaveCompanySettings();
// Turns the automatic choice off and saves, so that the next start asks for a company again (the
// wrapper does this before it reports a data file that cannot be opened or created).
void ClearCompanyAutoSelect();
