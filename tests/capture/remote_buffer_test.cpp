// The remote memory channel on controls of this process, which work on both
// paths, and what it gives back when it closes.
#include "capture_stop.h"
#include "item_controls.h"
#include "messages.h"
#include "unread_windows.h"

#include <string>

namespace {

constexpr ChannelBlock kTreeBlock = BlockFor("Quillscape", kTreeItemLayouts);
constexpr ChannelBlock kRowBlock = BlockFor("Quillscape2", kTreeItemLayouts);
constexpr DWORD kThreadTimeoutMs = 30000;

bool IsFreed(uintptr_t address)
{
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(reinterpret_cast<void*>(address), &info, sizeof(info));
    return info.State == MEM_FREE;
}

class RemoteBufferTest : public ItemControlTest {
protected:
    HWND AddTree() { return AddControl(WC_TREEVIEWA, 0, 10, 10, 200, 150); }
};

// Controls fill the whole buffer and leave out the NUL.
TEST_P(RemoteBufferTest, LongTextsArriveCutTo255BytesWithoutHalfCharacters)
{
    std::string kanji200, kanji127;
    for (int i = 0; i < 200; ++i)
        kanji200 += "日";
    kanji127 = kanji200.substr(0, 254);
    const std::pair<std::string, std::string> cases[] = {
        {std::string(300, 'a'), std::string(255, 'a')},
        {std::string(255, 'b'), std::string(255, 'b')},
        {kanji200, kanji127},            // the 255th byte would start a character
        {"a" + kanji200, "a" + kanji127},  // the 255th byte ends one
    };
    HWND tree = AddTree();
    RemoteChannel channel;
    ASSERT_TRUE(channel.Open(tree, {kTreeBlock}));
    RemoteBuffer& block = channel.Buffer(0);
    const TreeItemLayout& fields = kTreeItemLayouts.For(block.Bits());
    for (const auto& c : cases) {
        block.Put(fields.mask, TVIF_TEXT);
        block.Put(fields.hItem, reinterpret_cast<uintptr_t>(AddTreeItem(tree, nullptr, c.first.c_str())));
        block.PointAtText(fields.pszText, fields.cchTextMax);
        ASSERT_TRUE(block.Exchange(tree, TVM_GETITEMW, 0));
        EXPECT_EQ(block.Text(), c.second) << c.first.size() << " bytes";
    }
}

TEST_P(RemoteBufferTest, TheMappingsArePrivateToThisInstance)
{
    HWND tree = AddTree();
    {
        MappingSquatter fixedName("Quillscape");
        RemoteChannel channel;
        EXPECT_TRUE(channel.Open(tree, {kTreeBlock})) << "other programs' names do not matter";
    }
    {
        MappingSquatter squatter(InstanceMappingName("Quillscape2"));
        RemoteChannel channel;
        EXPECT_FALSE(channel.Open(tree, {kTreeBlock, kRowBlock})) << "a mapping someone else made";
        EXPECT_TRUE(MappingNameIsFree(InstanceMappingName("Quillscape"))) << "the first block is given back";
    }
    RemoteChannel channel;
    EXPECT_TRUE(channel.Open(tree, {kTreeBlock, kRowBlock}));
}

TEST_P(RemoteBufferTest, ClosingGivesBackBlocksMappingsAndHandles)
{
    HWND tree = AddTree();
    DWORD handlesBefore = 0, handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesBefore);
    uintptr_t addresses[2];
    {
        RemoteChannel channel;
        ASSERT_TRUE(channel.Open(tree, {kTreeBlock, kRowBlock}));
        for (size_t i = 0; i < 2; ++i) {
            RemoteBuffer& block = channel.Buffer(i);
            addresses[i] = block.TextAddress();
            const bool seenLocally = addresses[i] == reinterpret_cast<uintptr_t>(block.WideText());
            EXPECT_EQ(seenLocally, GetParam() == ChannelPath::SharedView) << "the control writes into the view";
        }
    }
    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
    EXPECT_EQ(handlesAfter, handlesBefore);
    EXPECT_TRUE(IsFreed(addresses[0]));
    EXPECT_TRUE(IsFreed(addresses[1]));
    EXPECT_TRUE(MappingNameIsFree(InstanceMappingName("Quillscape")));
    EXPECT_TRUE(MappingNameIsFree(InstanceMappingName("Quillscape2")));
}

INSTANTIATE_TEST_SUITE_P(BothPaths, RemoteBufferTest,
                         ::testing::Values(ChannelPath::SharedView, ChannelPath::RemoteBlock), PathName);

// A window on a thread of its own that answers kSlowMessage only once
// released, by writing "late" into the text buffer in front of its lParam.
class SlowControl {
public:
    static constexpr UINT kSlowMessage = WM_APP + 1;

    SlowControl()
    {
        self_ = this;
        ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        answered_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Serve, nullptr, 0, nullptr);
        WaitForSingleObject(ready_, kThreadTimeoutMs);
    }

    ~SlowControl()
    {
        SetEvent(release_);
        PostMessageA(window, WM_CLOSE, 0, 0);
        WaitForSingleObject(thread_, kThreadTimeoutMs);
        for (HANDLE handle : {thread_, answered_, release_, ready_})
            CloseHandle(handle);
    }

    void Release() { SetEvent(release_); }
    bool WaitForAnswer() { return WaitForSingleObject(answered_, kThreadTimeoutMs) == WAIT_OBJECT_0; }

    HWND window = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kSlowMessage) {
            WaitForSingleObject(self_->release_, kThreadTimeoutMs);
            lstrcpyW(reinterpret_cast<wchar_t*>(lParam - kRemoteTextSize), L"late");
            SetEvent(self_->answered_);
            return 1;
        }
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    static DWORD WINAPI Serve(void*)
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.lpszClassName = "QsSlowControl";
        RegisterClassA(&windowClass);
        self_->window = CreateWindowExA(0, "QsSlowControl", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                        nullptr);
        SetEvent(self_->ready_);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
        return 0;
    }

    static SlowControl* self_;
    HANDLE ready_, release_, answered_, thread_;
};

SlowControl* SlowControl::self_;

// The message is still handled after the channel gave up on it, so its
// remote block must still be there to take the answer.
TEST(RemoteChannel, ABlockWhoseMessageWentUnansweredIsLeftToTheControl)
{
    ForgetUnreadWindows();
    ASSERT_EQ(IsNtPlatform, 1) << "the remote-block path";
    SlowControl control;
    ASSERT_TRUE(control.window);
    uintptr_t address;
    {
        RemoteChannel channel;
        ASSERT_TRUE(channel.Open(control.window, {kTreeBlock}));
        address = channel.Buffer(0).TextAddress();
        EXPECT_FALSE(channel.Buffer(0).Exchange(control.window, SlowControl::kSlowMessage, 0));
    }
    EXPECT_FALSE(IsFreed(address));
    control.Release();
    ASSERT_TRUE(control.WaitForAnswer());
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(address), L"late");
    ForgetUnreadWindows();
}

// A conversion that has to stop sends nothing more: the block of a message
// never sent cannot be written by anyone, and is given back.
TEST(RemoteChannel, ABlockWhoseMessageWasNeverSentIsFreed)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    uintptr_t address;
    {
        CaptureClock clock;
        RemoteChannel channel;
        ASSERT_TRUE(channel.Open(window, {kTreeBlock}));
        address = channel.Buffer(0).TextAddress();
        CancelCapture();
        EXPECT_FALSE(channel.Buffer(0).Exchange(window, TVM_GETITEMW, 0));
    }
    EXPECT_TRUE(IsFreed(address));
    DestroyWindow(window);
}

class OneShotReadTest : public CommonControlsTest {};

TEST_F(OneShotReadTest, ReadsWhatTheControlWroteAndGivesBackItsBlock)
{
    HWND picker = AddControl(DATETIMEPICK_CLASSA, 0, 10, 10, 150, 25);
    SYSTEMTIME date{};
    date.wYear = 2009;
    date.wMonth = 10;
    date.wDay = 22;
    SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));

    uintptr_t address;
    {
        OneShotRead block;
        ASSERT_TRUE(block.Open(picker, sizeof(SYSTEMTIME)));
        address = block.Address();
        LRESULT result;
        ASSERT_TRUE(block.Ask(DTM_GETSYSTEMTIME, 0, &result));
        EXPECT_EQ(result, GDT_VALID);
        SYSTEMTIME read{};
        ASSERT_TRUE(block.Read(&read, sizeof(read)));
        EXPECT_EQ(read.wYear * 10000 + read.wMonth * 100 + read.wDay, 20091022);
    }
    EXPECT_TRUE(IsFreed(address));
}

}  // namespace
