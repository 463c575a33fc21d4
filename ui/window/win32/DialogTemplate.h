// Dialog templates of the executable in the current interface language.
#pragma once

#include <windows.h>

// The template with this id in the current resource language, else in English, else in
// whatever language the platform finds; null (with the last error set) when there is none.
const DLGTEMPLATE* FindDialogTemplate(UINT templateId);

// Registers the common control classes the dialogs use, once per process.
void EnsureCommonControls();
