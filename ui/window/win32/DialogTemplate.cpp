// Finding dialog templates by language.
#include "ui/window/win32/DialogTemplate.h"

#include <commctrl.h>

#include <initializer_list>

#include "runtime/ResourceLanguage.h"

namespace {
const DLGTEMPLATE* Lock(HMODULE module, HRSRC found)
{
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    return loaded ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
}
}  // namespace

const DLGTEMPLATE* FindDialogTemplate(UINT templateId)
{
    HMODULE module = ::GetModuleHandleW(nullptr);
    const LPCWSTR name = MAKEINTRESOURCEW(templateId);
    // The platform's own choice follows the thread's UI language, which start-up may not
    // have been able to set; the interface language decides first.
    for (WORD language : {GetResourceLanguage(), kLangEnglish}) {
        if (const DLGTEMPLATE* t = Lock(module, ::FindResourceExW(module, RT_DIALOG, name, language)))
            return t;
    }
    return Lock(module, ::FindResourceW(module, name, RT_DIALOG));
}

void EnsureCommonControls()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                            ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}
