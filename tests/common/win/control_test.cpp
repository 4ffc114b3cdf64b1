#include "common/window/control.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr wchar_t kClass[] = L"ControlBindingTest";
constexpr UINT kAsked = WM_APP + 7;

std::vector<UINT> reachedWindow;  // kAsked as the window's own procedure saw it

LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kAsked) reachedWindow.push_back(message);
    return DefWindowProcW(window, message, wParam, lParam);
}

// Counts kAsked and passes everything on to the window's own procedure.
class CountingControl : public Control {
public:
    int asked = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kAsked) ++asked;
        return DefaultProc(message, wParam, lParam);
    }
};

LRESULT CALLBACK PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                        DWORD_PTR) {
    return DefSubclassProc(window, message, wParam, lParam);
}

class ControlTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = OwnProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClass;
        RegisterClassW(&windowClass);
        window = CreateWindowW(kClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        reachedWindow.clear();
    }
    void TearDown() override {
        if (IsWindow(window)) DestroyWindow(window);
    }
    HWND window = nullptr;
};

TEST_F(ControlTest, BoundObjectSeesMessagesAndLeavesTheWindowAsItWas) {
    const LONG_PTR ownProcedure = GetWindowLongPtrW(window, GWLP_WNDPROC);
    CountingControl control;
    ASSERT_TRUE(control.Attach(window));
    EXPECT_EQ(Control::FromHandle(window), &control);
    EXPECT_FALSE(CountingControl().Attach(window)) << "a second object took a bound window";

    SendMessageW(window, kAsked, 0, 0);
    EXPECT_EQ(control.asked, 1);
    EXPECT_EQ(reachedWindow.size(), 1u) << "the window's own procedure missed the message";

    control.Detach();
    EXPECT_EQ(Control::FromHandle(window), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), ownProcedure);
    SendMessageW(window, kAsked, 0, 0);
    EXPECT_EQ(control.asked, 1) << "a detached object still saw messages";
}

// comctl32's tooltips and others subclass a window after us; our object may
// go first, and the chain must still reach the window's own procedure.
TEST_F(ControlTest, DetachedUnderAnotherSubclassPassesMessagesOn) {
    {
        CountingControl control;
        ASSERT_TRUE(control.Attach(window));
        ASSERT_TRUE(SetWindowSubclass(window, PassOn, 1, 0));
    }
    EXPECT_EQ(Control::FromHandle(window), nullptr);
    SendMessageW(window, kAsked, 0, 0);
    EXPECT_EQ(reachedWindow.size(), 1u) << "the chain broke at the detached object";
    RemoveWindowSubclass(window, PassOn, 1);

    CountingControl next;
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_FALSE(next.Attach(window)) << "bound a destroyed window";
}

TEST_F(ControlTest, DestroyedWindowDetachesItsObject) {
    CountingControl control;
    ASSERT_TRUE(control.Attach(window));
    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_EQ(control.Hwnd(), nullptr);
    EXPECT_EQ(Control::FromHandle(window), nullptr);
}

}  // namespace
