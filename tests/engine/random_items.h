// What random item tables are made of, for the fuzz target and the
// randomized layout test: every class name the layout tells apart, and
// characters for texts that hold whole Shift-JIS characters only.
#pragma once

#include <string>
#include <vector>

extern const std::vector<const char*> kRandomClassNames;
extern const std::string kRandomKinds;
extern const std::string kRandomShapes;
// Single bytes, white space, '&', '~' and double-byte characters, some of
// them rules and some with a trail byte in the ASCII range.
extern const std::vector<std::string> kRandomCharacters;
