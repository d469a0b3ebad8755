// The class tags that change how a record is laid out.
#pragma once

#include "capture_state.h"

enum class LayoutTag {
    Other,  // an ordinary label, whatever its class
    Style,
    ComboBox,
    StatusBar,
    TabControl,
    Line,
    GroupBox,
    TreeView,
    ListView,
    ListBox,
    Button,
    ProgressBar,
};

// Compares the record's className with the tags, byte for byte.
LayoutTag LayoutTagOf(const CaptureItem& item);
