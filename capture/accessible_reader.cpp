#include "accessible_reader.h"

#include "accessible_interface.h"
#include "accessible_roles.h"
#include "answer_bounds.h"
#include "capture_state.h"
#include "capture_stop.h"
#include "guards.h"
#include "messages.h"
#include "walker.h"

#include <oleacc.h>

#include <algorithm>
#include <atomic>
#include <cwchar>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace {

// Nesting deeper than the walker follows windows is no honest tree.
constexpr int kDepthLimit = 100;
// A list view holds at most 100,000,000 items; no container holds more.
constexpr int64_t kChildLimit = 100000000;
// Every object read may become a record; the table holds no more.
constexpr size_t kObjectLimit = kItemLimit;
// Screen coordinates beyond these lie outside any screen Windows makes.
constexpr int64_t kCoordinateLimit = 32767;
// How often the waiting thread looks at the reading's progress.
constexpr DWORD kPollMs = 20;

// What the reading thread and the waiting thread share.  The tree grows
// under the lock; once abandoned, nothing more is added to it.
struct SharedReading {
    SharedReading(HWND target, LRESULT reference, bool proxy)
        : window(target), objectReference(reference), standardProxy(proxy)
    {
    }

    const HWND window;
    const LRESULT objectReference;
    const bool standardProxy;
    std::atomic<unsigned> answers{0};
    std::atomic<bool> abandoned{false};
    std::mutex lock;
    AccessibleTree tree;
};

// What became of one object: read (or left out as hidden or lying), not
// there (it did not tell its role), or the reading must end.
enum class Outcome { Read, Missing, Stop };

class TreeReader {
public:
    explicit TreeReader(SharedReading& reading) : reading_(reading) {}

    void Read()
    {
        ComRef<IAccessible> root = Root();
        if (root && IsNew(root.Get()))
            ReadObject(root.Get(), CHILDID_SELF, 0);
    }

private:
    ComRef<IAccessible> Root()
    {
        IAccessible* root = nullptr;
        void** out = reinterpret_cast<void**>(&root);
        if (reading_.objectReference)
            ObjectFromLresult(reading_.objectReference, kAccessibleInterfaceId, 0, out);
        else if (reading_.standardProxy)
            CreateStdAccessibleObject(reading_.window, OBJID_CLIENT, kAccessibleInterfaceId, out);
        Answered();
        return ComRef<IAccessible>(root);
    }

    // Counts one call that returned; false once the waiting thread has
    // given up on this reading.
    bool Answered()
    {
        ++reading_.answers;
        return !reading_.abandoned;
    }

    void MarkOutOfBounds()
    {
        const std::lock_guard<std::mutex> held(reading_.lock);
        reading_.tree.outOfBounds = true;
    }

    // False when the reading must end: abandoned, or the table's worth of
    // objects read.
    bool Append(AccessibleObject object)
    {
        const std::lock_guard<std::mutex> held(reading_.lock);
        if (reading_.abandoned)
            return false;
        if (reading_.tree.objects.size() >= kObjectLimit) {
            reading_.tree.full = true;
            return false;
        }
        reading_.tree.objects.push_back(std::move(object));
        return true;
    }

    static std::wstring Text(BSTR text)
    {
        const OwnedComString owned(text);
        if (!text)
            return {};
        const size_t length = std::min<size_t>(SysStringLen(text), static_cast<size_t>(kTextByteLimit));
        return std::wstring(text, wcsnlen(text, length));
    }

    // A name or a value; false when the reading must end.
    bool AskText(IAccessible* accessible, HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*),
                 const VARIANT& self, std::wstring* text)
    {
        BSTR answer = nullptr;
        (accessible->*property)(self, &answer);
        *text = Text(answer);
        return Answered();
    }

    static bool IsPlausible(long x, long y, long width, long height)
    {
        const int64_t right = int64_t{x} + width;
        const int64_t bottom = int64_t{y} + height;
        return width >= 0 && height >= 0 && x >= -kCoordinateLimit && y >= -kCoordinateLimit &&
               right <= kCoordinateLimit && bottom <= kCoordinateLimit;
    }

    static Outcome Go(bool goOn) { return goOn ? Outcome::Read : Outcome::Stop; }

    // Reads the object's role and state, then what its role needs.  An
    // object that lies about its rectangle is left out with what it holds.
    Outcome ReadObject(IAccessible* accessible, long childId, int depth)
    {
        VARIANT self;
        self.vt = VT_I4;
        self.lVal = childId;
        AccessibleObject object;
        object.depth = depth;
        ClearedVariant role, state;
        const bool known = SUCCEEDED(accessible->get_accRole(self, role.Out()));
        if (!Answered())
            return Outcome::Stop;
        if (!known || role.Get().vt != VT_I4)
            return Outcome::Missing;
        object.role = role.Get().lVal;
        const bool stated = SUCCEEDED(accessible->get_accState(self, state.Out()));
        if (!Answered())
            return Outcome::Stop;
        object.state = stated && state.Get().vt == VT_I4 ? state.Get().lVal : 0;
        if (depth > 0 && (object.state & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)))
            return Outcome::Read;
        const RoleNeeds needs = NeedsOfRole(object.role);
        if (needs.location) {
            long x = 0, y = 0, width = 0, height = 0;
            const bool located = SUCCEEDED(accessible->accLocation(&x, &y, &width, &height, self));
            if (!Answered())
                return Outcome::Stop;
            if (!located || !IsPlausible(x, y, width, height)) {
                if (located)
                    MarkOutOfBounds();
                return Outcome::Read;
            }
            object.screen = {x, y, x + width, y + height};
        }
        if (needs.name && !AskText(accessible, &IAccessible::get_accName, self, &object.name))
            return Outcome::Stop;
        if (needs.value && !AskText(accessible, &IAccessible::get_accValue, self, &object.value))
            return Outcome::Stop;
        if (!Append(std::move(object)))
            return Outcome::Stop;
        if (!needs.children || childId != CHILDID_SELF)
            return Outcome::Read;
        return Go(ReadChildren(accessible, depth + 1));
    }

    long ChildCount(IAccessible* accessible)
    {
        long count = 0;
        if (FAILED(accessible->get_accChildCount(&count)))
            count = 0;
        return count;
    }

    // Children are asked for one by one (ids 1 to the count): a child that
    // is an object of its own is read through it, a simple element through
    // its parent.  An object met before closes a loop and is left out; a
    // child that is not there ends a count that claimed more.  False when
    // the reading must end.
    bool ReadChildren(IAccessible* accessible, int depth)
    {
        if (depth >= kDepthLimit) {
            MarkOutOfBounds();
            return true;
        }
        const long answer = ChildCount(accessible);
        if (!Answered())
            return false;
        const BoundedCount count = BoundCount(answer, static_cast<int64_t>(kObjectLimit), kChildLimit);
        if (count.outOfBounds)
            MarkOutOfBounds();
        for (long child = 1; child <= count.value; ++child) {
            const Outcome outcome = ReadChild(accessible, child, depth);
            if (outcome == Outcome::Stop)
                return false;
            if (outcome == Outcome::Missing)
                return true;
        }
        return true;
    }

    Outcome ReadChild(IAccessible* accessible, long child, int depth)
    {
        VARIANT id;
        id.vt = VT_I4;
        id.lVal = child;
        IDispatch* dispatch = nullptr;
        const HRESULT result = accessible->get_accChild(id, &dispatch);
        const ComRef<IDispatch> owned(dispatch);
        if (!Answered())
            return Outcome::Stop;
        if (result != S_OK || !dispatch)
            return ReadObject(accessible, child, depth);
        IAccessible* object = nullptr;
        dispatch->QueryInterface(kAccessibleInterfaceId, reinterpret_cast<void**>(&object));
        ComRef<IAccessible> childObject(object);
        if (!Answered())
            return Outcome::Stop;
        if (!childObject || !IsNew(object))
            return Outcome::Read;
        return ReadObject(object, CHILDID_SELF, depth);
    }

    // Proxies keep COM's identity: the same object gives the same IUnknown
    // as long as a reference to it is held, which `held_` keeps.
    bool IsNew(IAccessible* object)
    {
        IUnknown* identity = nullptr;
        object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
        ComRef<IUnknown> owned(identity);
        if (!identity || !seen_.Enter(reinterpret_cast<uintptr_t>(identity))) {
            MarkOutOfBounds();
            return false;
        }
        held_.push_back(std::move(owned));
        return true;
    }

    SharedReading& reading_;
    ItemChain seen_;
    std::vector<ComRef<IUnknown>> held_;
};

DWORD WINAPI ReadOnItsThread(void* parameter)
{
    using Handed = std::shared_ptr<SharedReading>;
    const std::unique_ptr<Handed> handed(static_cast<Handed*>(parameter));
    const Handed reading = *handed;
    const ComApartment com(COINIT_MULTITHREADED);
    if (com.Ready())
        TreeReader(*reading).Read();
    return 0;
}

// Waits for the reading thread while the target's objects answer, handling
// this thread's messages; gives up on a call that takes longer than a
// message may, and when the conversion must stop.
void WaitForReading(HANDLE thread, SharedReading& reading)
{
    unsigned answers = reading.answers;
    DWORD lastAnswer = GetTickCount();
    for (;;) {
        const DWORD waited = MsgWaitForMultipleObjects(1, &thread, FALSE, kPollMs, QS_ALLINPUT);
        if (waited == WAIT_OBJECT_0)
            return;
        if (waited == WAIT_OBJECT_0 + 1)
            PumpMessages();
        const std::lock_guard<std::mutex> held(reading.lock);
        // A stop is reported with the conversion's own reason.
        if (CaptureMustStop()) {
            reading.abandoned = true;
            return;
        }
        if (reading.answers != answers) {
            answers = reading.answers;
            lastAnswer = GetTickCount();
        } else if (GetTickCount() - lastAnswer > kAnswerTimeoutMs) {
            reading.abandoned = true;
            reading.tree.unanswered = true;
            return;
        }
    }
}

}  // namespace

AccessibleTree ReadAccessibleTree(HWND window, LRESULT objectReference, bool standardProxy)
{
    const auto reading = std::make_shared<SharedReading>(window, objectReference, standardProxy);
    auto* handed = new std::shared_ptr<SharedReading>(reading);
    const OwnedKernelHandle thread(CreateThread(nullptr, 0, ReadOnItsThread, handed, 0, nullptr));
    if (!thread) {
        delete handed;
        return {};
    }
    WaitForReading(thread.Get(), *reading);
    const std::lock_guard<std::mutex> held(reading->lock);
    return std::move(reading->tree);
}
