// Start-up of the suite runtime's modules, in their fixed order, through the platform's units:
// the regional formats, the frame characters (style "A"), the folders and the settings' defaults,
// then the report scratch folder.  The program calls it once, after InitCommandLineText, from the
// folder it was started in (that folder becomes ProgramFolder).
#pragma once

void InitializeSuiteRuntime();
