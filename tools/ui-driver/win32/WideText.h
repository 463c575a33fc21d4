// Script texts are UTF-8; windows speak UTF-16.
#pragma once

#include <string>

std::wstring Wide(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
