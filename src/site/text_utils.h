#pragma once

#include <QString>

// 1-based position of the first occurrence of sub in text at or after start; 0 when none.
int PosFrom(const QString& sub, const QString& text, int start);

// True when text is non-empty after trimming and every character of the untrimmed text is
// a digit 0-9.
bool IsAllDigits(const QString& text);
