// The language whose string-table entries the program shows: 1033 English or 1049 Russian.
#pragma once

constexpr unsigned short kLangEnglish = 1033;
constexpr unsigned short kLangRussian = 1049;

void SetResourceLanguage(unsigned short langId);
unsigned short GetResourceLanguage();
