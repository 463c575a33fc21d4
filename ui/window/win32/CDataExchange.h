// One data exchange between a dialog's controls and its members, in the direction
// the dialog's UpdateData chose. DoDataExchange calls one method per bound control;
// each works in both directions. While saving, the first value that fails validation
// ends the exchange: the dialog's OnDataValidationFailed hook runs for that control
// and later calls do nothing.
#pragma once

#include <windows.h>

#include <string>

#include "ui/window/win32/CWindow.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog& dialog, bool saving) : m_dialog(dialog), m_saving(saving) {}

    // Attributes
    bool IsSaving() const { return m_saving; }
    bool Failed() const { return m_failedId != 0; }
    // The control whose value failed, 0 while none has.
    int FailedControlId() const { return m_failedId; }
    CDialog& Dialog() const { return m_dialog; }

    // Operations
    // The control's window text.
    void Text(int id, std::wstring& value);
    // A whole decimal number in min..max: saving fails for any other text.
    void Number(int id, int& value, int min, int max);
    // The selected index of a combo box, -1 for none.
    void ComboIndex(int id, int& index);
    // A check box: 0 clear, 1 checked, 2 indeterminate.
    void Check(int id, int& state);
    // A radio group from its first button up to the next button with WS_GROUP: the
    // index of the checked button, -1 for none. A lone radio button is a group of one
    // (checked exactly when the value is 0).
    void Radio(int firstId, int& index);
    // Display-only controls (texts and indicators that only the program sets, never the user):
    // set only when the value differs from what this dialog last showed there. A window that
    // shows live values would otherwise set every one on every poll, and each set costs a
    // repaint and, under Wine, server round trips in the common controls. Saving reads nothing.
    void ShownText(int id, const std::wstring& value);
    void ShownRadio(int firstId, int index);
    // Binds a control object to its window, once (while loading).
    void Control(int id, CWindow& control);
    // Binds a control object that takes over the control's window procedure
    // (CSubclassedCtrl), once (while loading).
    template <class TCtrl>
    void Subclass(int id, TCtrl& control)
    {
        if (!m_saving && !control.IsWindow())
            control.SubclassWindow(Item(id));
    }
    // Reports a value the dialog found invalid itself; only the first report counts.
    void Fail(int id);

private:
    HWND Item(int id) const;
    bool Skip() const { return Failed(); }
    // True when the control must be set: loading, and the value is new to it.
    bool ShownChanges(int id, const std::wstring& value);

    CDialog& m_dialog;
    bool m_saving;
    int m_failedId = 0;
};
