// InitCommonControls: on the platform it makes sure the common-controls library is loaded before
// a program creates its windows.  This platform's window classes exist from the start
// (platform/ui/common_controls.h says which version it answers), so there is nothing to do.
#pragma once

void InitCommonControls();
