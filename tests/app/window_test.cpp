// The framework's windows: a parent hands its controls their notifications
// by itself, a subclass leaves the other subclasses of its window intact
// however they come and go, and frames, views and documents are freed
// exactly once, also when their making fails half-way.

#include "child_frame.h"
#include "doc_template.h"
#include "mdi_child.h"
#include "mdi_frame.h"
#include "private_messages.h"
#include "quillscape_doc.h"
#include "quillscape_view.h"
#include "resource.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int kControlId = 7;

// A framework window that forwards nothing by hand; it notes the
// notifications that reach its own handling.
class PlainParent : public Window {
public:
    PlainParent()
    {
        RegisterClassFor(L"QsTestPlainParent", 0, nullptr, nullptr, nullptr);
        Create(L"QsTestPlainParent", L"", WS_OVERLAPPED, 0, RECT{0, 0, 200, 100}, nullptr, nullptr);
    }
    std::vector<UINT> handled;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND || message == WM_NOTIFY || message == WM_DRAWITEM || message == WM_CTLCOLORBTN)
            handled.push_back(message);
        return Window::WndProc(message, wParam, lParam);
    }
};

// A control that notes every message it gets, and answers the reflected
// ones with `answer`.
class RecordingControl : public Window {
public:
    std::vector<std::pair<UINT, WPARAM>> messages;
    LRESULT answer = 0;
    int finalMessages = 0;

    bool Got(UINT message) const
    {
        for (const auto& got : messages) {
            if (got.first == message)
                return true;
        }
        return false;
    }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        messages.emplace_back(message, wParam);
        if (message >= kReflectedBase && message < kReflectedEnd)
            return answer;
        return Window::WndProc(message, wParam, lParam);
    }
    void OnFinalMessage() override { ++finalMessages; }
};

HWND AddButton(HWND parent)
{
    return CreateWindowExA(0, "Button", "button", WS_CHILD | BS_OWNERDRAW, 0, 0, 80, 20, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), GetModuleHandleA(nullptr),
                           nullptr);
}

// A subclass of the test's own, beside the framework's: it counts the
// messages it sees by their number.
constexpr UINT_PTR kOtherSubclassId = 0x7E57;

LRESULT CALLBACK CountingSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR counts)
{
    ++(*reinterpret_cast<std::vector<int>*>(counts))[message < WM_USER ? message : 0];
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

TEST(WindowTest, ParentsReflectTheirControlsNotificationsWithoutForwardingThemByHand)
{
    PlainParent parent;
    ASSERT_TRUE(parent.Handle());
    const HWND button = AddButton(parent.Handle());
    RecordingControl control;
    ASSERT_TRUE(control.Subclass(button));
    const HDC dc = GetDC(button);
    NMHDR header{button, kControlId, NM_CLICK};
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = kControlId;
    item.hwndItem = button;
    item.hDC = dc;
    struct Notification {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Notification notifications[] = {
        {WM_COMMAND, MAKEWPARAM(kControlId, BN_CLICKED), reinterpret_cast<LPARAM>(button)},
        {WM_NOTIFY, kControlId, reinterpret_cast<LPARAM>(&header)},
        {WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(button)},
        {WM_DRAWITEM, kControlId, reinterpret_cast<LPARAM>(&item)},
    };
    for (const Notification& sent : notifications) {
        SCOPED_TRACE(sent.message);
        control.answer = 0;
        SendMessageA(parent.Handle(), sent.message, sent.wParam, sent.lParam);
        ASSERT_FALSE(control.messages.empty());
        EXPECT_EQ(control.messages.back(), std::make_pair(Reflected(sent.message), sent.wParam));
        EXPECT_EQ(parent.handled.back(), sent.message) << "an answer of 0 leaves the message to the parent";

        control.answer = 0x5A;
        parent.handled.clear();
        const LRESULT result = SendMessageA(parent.Handle(), sent.message, sent.wParam, sent.lParam);
        EXPECT_EQ(result, sent.message == WM_COMMAND ? 0 : 0x5A);
        EXPECT_TRUE(parent.handled.empty()) << "the control's answer settles it";
    }

    // Menus, accelerators and windows that are not the framework's have no
    // control to hand anything to; a window that is not the control's parent,
    // as a frame that a bar hands its notifications on to, reflects nothing.
    control.messages.clear();
    parent.handled.clear();
    DRAWITEMSTRUCT menuItem{};
    menuItem.CtlType = ODT_MENU;
    menuItem.hwndItem = button;
    SendMessageA(parent.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&menuItem));
    SendMessageA(parent.Handle(), WM_COMMAND, MAKEWPARAM(kControlId, 1), 0);
    const HWND plain = AddButton(parent.Handle());
    SendMessageA(parent.Handle(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(plain));
    PlainParent frame;
    SendMessageA(frame.Handle(), WM_COMMAND, MAKEWPARAM(kControlId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    EXPECT_EQ(frame.handled, std::vector<UINT>{WM_COMMAND});
    EXPECT_TRUE(control.messages.empty());
    EXPECT_EQ(parent.handled, (std::vector<UINT>{WM_DRAWITEM, WM_COMMAND, WM_CTLCOLORBTN}));
    ReleaseDC(button, dc);
}

TEST(WindowTest, SubclassesOfOneWindowComeAndGoInAnyOrder)
{
    PlainParent parent;
    std::vector<int> counts(WM_USER);

    // Ours first, the other on top: ours goes with its object while the
    // other stays to see the window's end.
    {
        auto control = std::make_unique<RecordingControl>();
        const HWND button = AddButton(parent.Handle());
        ASSERT_TRUE(control->Subclass(button));
        ASSERT_TRUE(SetWindowSubclass(button, CountingSubclass, kOtherSubclassId,
                                      reinterpret_cast<DWORD_PTR>(&counts)));
        control.reset();
        EXPECT_FALSE(IsWindow(button));
        EXPECT_EQ(counts[WM_NCDESTROY], 1) << "the other subclass stayed in the chain";
    }

    // The other first, ours on top: the other goes first, from under ours.
    counts.assign(WM_USER, 0);
    RecordingControl control;
    const HWND button = AddButton(parent.Handle());
    ASSERT_TRUE(SetWindowSubclass(button, CountingSubclass, kOtherSubclassId, reinterpret_cast<DWORD_PTR>(&counts)));
    ASSERT_TRUE(control.Subclass(button));
    ASSERT_TRUE(RemoveWindowSubclass(button, CountingSubclass, kOtherSubclassId));
    char text[16] = "";
    EXPECT_EQ(GetWindowTextA(button, text, sizeof text), 6) << "the button's own procedure still answers";
    EXPECT_STREQ(text, "button");
    EXPECT_TRUE(control.Got(WM_GETTEXT));
    EXPECT_EQ(counts[WM_GETTEXT], 0);
    DestroyWindow(button);
    EXPECT_EQ(control.finalMessages, 1);
    EXPECT_EQ(control.Handle(), nullptr);
}

namespace {

struct Lives {
    int made = 0;
    int freed = 0;
};
Lives frames, views, documents;

class CountedFrame : public CChildFrame {
public:
    CountedFrame() { ++frames.made; }
    ~CountedFrame() override { ++frames.freed; }
};

class CountedView : public CQuillscapeView {
public:
    CountedView() { ++views.made; }
    ~CountedView() override { ++views.freed; }
};

// A view whose window is made and then fails, or that makes none at all.
class FailingView : public CountedView {
public:
    static bool makesWindow;
    bool CreateView(MdiChildWindow* frame, Document* document) override
    {
        return makesWindow && CountedView::CreateView(frame, document);
    }

protected:
    int OnCreate() override { return -1; }
};
bool FailingView::makesWindow = false;

class CountedDocument : public CQuillscapeDoc {
public:
    CountedDocument() { ++documents.made; }
    ~CountedDocument() override { ++documents.freed; }
};

template <class ViewClass>
DocTemplate* AddCountedTemplate(TestApp& app)
{
    auto counted = std::make_unique<DocTemplate>(
        IDR_QSCTYPE, [] { return std::make_unique<CountedDocument>(); }, [] { return new CountedFrame; },
        [] { return new ViewClass; });
    DocTemplate* added = counted.get();
    EXPECT_TRUE(counted->LoadResources());
    app.AddDocTemplate(std::move(counted));
    return added;
}

}  // namespace

TEST(WindowTest, FramesViewsAndDocumentsAreFreedExactlyOnce)
{
    frames = views = documents = Lives{};
    TestApp app;
    DocTemplate* counted = AddCountedTemplate<CountedView>(app);
    Document* document = counted->OpenDocumentFile({});
    ASSERT_NE(document, nullptr);
    app.Command(kCommandNewWindow);
    ASSERT_EQ(document->Views().size(), 2u);
    EXPECT_EQ(frames.made, 2);
    EXPECT_EQ(views.made, 2);

    app.MainFrame()->ActiveChild()->Close();
    EXPECT_EQ(frames.freed, 1);
    EXPECT_EQ(views.freed, 1);
    EXPECT_EQ(documents.freed, 0) << "the document lives while a view shows it";

    document->OnCloseDocument();
    EXPECT_EQ(frames.freed, 2);
    EXPECT_EQ(views.freed, 2);
    EXPECT_EQ(documents.freed, 1) << "its last view took it";

    // A view that makes no window, and one whose window fails once made:
    // the frame and the view go with the failure, nothing twice.
    for (bool makesWindow : {false, true}) {
        SCOPED_TRACE(makesWindow);
        frames = views = documents = Lives{};
        FailingView::makesWindow = makesWindow;
        EXPECT_EQ(AddCountedTemplate<FailingView>(app)->OpenDocumentFile({}), nullptr);
        EXPECT_EQ(frames.made, 1);
        EXPECT_EQ(frames.freed, 1);
        EXPECT_EQ(views.freed, 1);
        EXPECT_EQ(documents.made, 1);
        EXPECT_EQ(documents.freed, 1);
    }
    EXPECT_EQ(app.MainFrame()->ActiveChild(), nullptr);
}
