#include "item_controls.h"

std::string PathName(const ::testing::TestParamInfo<ChannelPath>& info)
{
    return info.param == ChannelPath::SharedView ? "SharedView" : "RemoteBlock";
}

void ItemControlTest::SetUp()
{
    CommonControlsTest::SetUp();
    savedPlatform_ = IsNtPlatform;
    IsNtPlatform = static_cast<int32_t>(GetParam());
}

void ItemControlTest::TearDown()
{
    IsNtPlatform = savedPlatform_;
    CommonControlsTest::TearDown();
}

void ExpandTreeItem(HWND tree, HTREEITEM item)
{
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

void AddListColumn(HWND list, int index, const char* text)
{
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 60;
    column.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

void AddListRow(HWND list, const std::vector<std::string>& cells)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(cells[0].c_str());
    const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (size_t column = 1; column < cells.size(); ++column) {
        item.iSubItem = static_cast<int>(column);
        item.pszText = const_cast<char*>(cells[column].c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    }
}

MappingSquatter::MappingSquatter(const std::string& name)
    : mapping_(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, name.c_str()))
{
    EXPECT_TRUE(mapping_) << name;
}

MappingSquatter::~MappingSquatter()
{
    CloseHandle(mapping_);
}

bool MappingNameIsFree(const std::string& name)
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str());
    if (!mapping)
        return true;
    CloseHandle(mapping);
    return false;
}
