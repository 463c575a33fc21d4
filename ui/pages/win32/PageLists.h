// The drop-down lists the settings pages fill: value sources by firmware version, condition kinds.
#pragma once

#include "ui/window/win32/CComboBox.h"

// Empties and refills the list with the first count value-source names when it holds
// another number of items, its dropped list as wide as the longest name; true when it did.
bool RebuildValueSourceList(const CComboBox& list, unsigned count);

// The names of the condition kinds 0, 1 and 2 (string ids).
using ConditionKindNames = unsigned[3];

// Empties the list and fills it with the three condition kinds, so that an item's index
// is its kind.
void FillConditionKinds(const CComboBox& list, const ConditionKindNames& names);
