// The check that a picture shows no half of a double-byte character: every
// character of it was written whole, by a text of the capture or by the
// drawing itself.
#pragma once

#include <string>
#include <vector>

// Every lead byte has a trail byte after it, and no byte is one that code
// page 932 cannot decode.  Only pictures of such texts can be checked.
bool IsWholeShiftJis(const std::string& text);

// Empty when every character of the picture (read line by line from the
// start, a lead byte and the byte after it being one character) is a space,
// '&', a rule character or a character of one of the texts; otherwise names
// the line and the column of the first other one.
std::string FindForeignCharacter(const std::string& picture, const std::vector<std::string>& texts);
