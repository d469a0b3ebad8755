// Tree views and list views made by the tests, and the choice of the
// remote memory channel's path.
#pragma once

#include "tree_items.h"

#include "common_controls_test_support.h"
#include "remote_buffer.h"

#include <commctrl.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The channel path a test runs on; the tests of own-process controls run on
// both.
enum class ChannelPath { SharedView = 0, RemoteBlock = 1 };

std::string PathName(const ::testing::TestParamInfo<ChannelPath>& info);

// Runs with IsNtPlatform set for its path.
class ItemControlTest : public CommonControlsTest, public ::testing::WithParamInterface<ChannelPath> {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    int32_t savedPlatform_ = 0;
};

void ExpandTreeItem(HWND tree, HTREEITEM item);
// Sets state bits directly, as a program may: an item can then be marked
// expanded without having children.

void AddListColumn(HWND list, int index, const char* text);
// Appends a row with one text per column.
void AddListRow(HWND list, const std::vector<std::string>& cells);

// Holds a file mapping of the given name, as another program could.
class MappingSquatter {
public:
    explicit MappingSquatter(const std::string& name);
    ~MappingSquatter();
    MappingSquatter(const MappingSquatter&) = delete;
    MappingSquatter& operator=(const MappingSquatter&) = delete;

private:
    HANDLE mapping_;
};

// True when no mapping of that name exists.
bool MappingNameIsFree(const std::string& name);
