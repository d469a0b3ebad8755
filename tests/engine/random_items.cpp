#include "random_items.h"

const std::vector<const char*> kRandomClassNames = {
    "#32770", "Style", "Menu", "SysTreeView32", "SysListView32", "SysHeader32", "ListBox", "ComboBox",
    "Static", "CheckBox", "RadioButton", "Button", "GroupBox", "LINE", "ProgressBar", "Slider",
    "ScrollBar", "Spin", "ToolBar", "MDI", "StatusBar", "SysDateTimePick32", "TabControl", "Edit",
};
const std::string kRandomKinds = " BGIM";
const std::string kRandomShapes = " LSYTHXW";
// Spelled out: the fuzz build's compiler keeps literals in UTF-8.
const std::vector<std::string> kRandomCharacters = {
    "a", "Z", "1", " ", "\t", "\n", "&", "~",
    "\xB1",      // ｱ
    "\x84\x9F",  // ─
    "\x84\xA0",  // │
    "\x84\xA1",  // ┌
    "\x84\xA2",  // ┐
    "\x84\xAA",  // ━
    "\x84\xAB",  // ┃
    "\x81\xA5",  // ▼
    "\x81\xA1",  // ■
    "\x84\x4A",  // Й
    "\x81\x40",  // full-width space
    "\x81\x95",  // ＆
    "\x95\x5C",  // 表
    "\x83\x5C",  // ソ
    "\x82\xA0",  // あ
    "\x90\xDD",  // 設
};
