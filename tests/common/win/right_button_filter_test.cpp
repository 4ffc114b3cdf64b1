#include "common/window/right_button_filter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr wchar_t kClass[] = L"RightButtonFilterTest";
constexpr UINT kRightButton[] = {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_CONTEXTMENU};

std::vector<UINT> received;

LRESULT CALLBACK RecordMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_CONTEXTMENU)
        received.push_back(message);
    return DefWindowProcW(window, message, wParam, lParam);
}

// As the mouse delivers it: through the thread's queue.
void Deliver(HWND window, UINT message) {
    PostMessageW(window, message, 0, MAKELPARAM(5, 5));
    MSG queued;
    while (PeekMessageW(&queued, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&queued);
}

class RightButtonFilterTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = RecordMouse;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClass;
        RegisterClassW(&windowClass);
        control = CreateWindowW(kClass, L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                                nullptr);
        inner =
            CreateWindowW(kClass, L"", WS_CHILD, 0, 0, 50, 50, control, nullptr, nullptr, nullptr);
        outside = CreateWindowW(kClass, L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                                nullptr);
        received.clear();
    }
    void TearDown() override {
        DestroyWindow(outside);
        DestroyWindow(control);
    }

    HWND control = nullptr, inner = nullptr, outside = nullptr;
};

TEST_F(RightButtonFilterTest, TheRightButtonNeverReachesTheControlOrTheWindowsInsideIt) {
    std::vector<UINT> watched;
    RightButtonFilter filter;
    ASSERT_TRUE(
        filter.Start(control, [&](const MSG& message) { watched.push_back(message.message); }));
    for (HWND window : {control, inner}) {
        for (UINT message : kRightButton) Deliver(window, message);
        Deliver(window, WM_MOUSEMOVE);
        Deliver(window, WM_LBUTTONDOWN);
    }
    const std::vector<UINT> leftAndMoves = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_MOUSEMOVE,
                                            WM_LBUTTONDOWN};
    EXPECT_EQ(received, leftAndMoves);
    EXPECT_EQ(watched, leftAndMoves) << "the watcher sees the other mouse messages";

    received.clear();
    Deliver(outside, WM_RBUTTONUP);
    ASSERT_FALSE(received.empty()) << "other windows keep theirs";
    EXPECT_EQ(received.front(), static_cast<UINT>(WM_RBUTTONUP));

    filter.Stop();
    received.clear();
    Deliver(inner, WM_RBUTTONDOWN);
    EXPECT_EQ(received, std::vector<UINT>{WM_RBUTTONDOWN}) << "and the control gets it back";
}

}  // namespace
