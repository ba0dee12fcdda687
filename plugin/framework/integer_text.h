// Integers as an edit control shows them.
#pragma once

#include <string>
#include <string_view>

// Reads an integer: optional blanks, an optional sign, decimal digits, optional blanks,
// and nothing else; it must fit in an int. False leaves `value` as it was.
bool ParseDialogInteger(std::string_view text, int& value);

// Decimal, with a leading "-" when negative.
std::string FormatDialogInteger(int value);
