// The friendly names of the present serial ports, from the setup API's ports class.
#pragma once

#include <string>
#include <vector>

std::vector<std::wstring> PresentPortFriendlyNames();
