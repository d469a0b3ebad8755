#include "layout_tag.h"

#include <cstring>

namespace {

struct TagName {
    const char* name;
    LayoutTag tag;
    size_t size;  // with the terminating NUL
};

constexpr TagName kTagNames[] = {
    {"Style", LayoutTag::Style, sizeof "Style"},
    {"ComboBox", LayoutTag::ComboBox, sizeof "ComboBox"},
    {"StatusBar", LayoutTag::StatusBar, sizeof "StatusBar"},
    {"TabControl", LayoutTag::TabControl, sizeof "TabControl"},
    {"LINE", LayoutTag::Line, sizeof "LINE"},
    {"GroupBox", LayoutTag::GroupBox, sizeof "GroupBox"},
    {"SysTreeView32", LayoutTag::TreeView, sizeof "SysTreeView32"},
    {"SysListView32", LayoutTag::ListView, sizeof "SysListView32"},
    {"ListBox", LayoutTag::ListBox, sizeof "ListBox"},
    {"Button", LayoutTag::Button, sizeof "Button"},
    {"ProgressBar", LayoutTag::ProgressBar, sizeof "ProgressBar"},
};

}  // namespace

LayoutTag LayoutTagOf(const CaptureItem& item)
{
    for (const TagName& t : kTagNames)
        if (std::memcmp(item.className, t.name, t.size) == 0)
            return t.tag;
    return LayoutTag::Other;
}
