// The item texts of list-like controls of another process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::vector<std::string> ComboItems(HWND combo);
std::vector<std::string> TabItems(HWND tabs);
// One entry per row: the texts of its columns joined by tabs.
std::vector<std::string> ListViewRows(HWND list);
// The selected index of a combo box, list box, tab control or list view (-1: none).
long SelectedIndex(HWND control);
