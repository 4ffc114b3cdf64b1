#include "common/window/right_button_filter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr wchar_t kClass[] = L"RightButtonFilterTest";

struct Received {
    HWND window;
    UINT message;
    bool operator==(const Received&) const = default;
};
std::vector<Received> received;

bool IsButton(UINT message) {
    return message >= WM_LBUTTONDOWN && message <= WM_MOUSELAST && message != WM_MOUSEWHEEL;
}

LRESULT CALLBACK RecordButtons(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsButton(message)) received.push_back({window, message});
    return DefWindowProcW(window, message, wParam, lParam);
}

void PumpMessages() {
    for (int round = 0; round < 10; ++round) {
        MSG queued;
        while (PeekMessageW(&queued, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&queued);
        Sleep(10);
    }
}

// As the mouse delivers it: the pointer moves to the screen point and the
// button goes down and up there.
void Click(POINT at, DWORD down, DWORD up) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3]{};
    for (INPUT& input : inputs) input.type = INPUT_MOUSE;
    inputs[0].mi.dx = (at.x * 65536 + width / 2) / width;
    inputs[0].mi.dy = (at.y * 65536 + height / 2) / height;
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = down;
    inputs[2].mi.dwFlags = up;
    SendInput(3, inputs, sizeof(INPUT));
    PumpMessages();
}
void RightClick(POINT at) { Click(at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }
void LeftClick(POINT at) { Click(at, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }

class RightButtonFilterTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = RecordButtons;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClass;
        RegisterClassW(&windowClass);
        control = CreateWindowW(kClass, L"", WS_POPUP | WS_VISIBLE, 100, 100, 100, 100, nullptr,
                                nullptr, nullptr, nullptr);
        inner = CreateWindowW(kClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, control, nullptr,
                              nullptr, nullptr);
        outside = CreateWindowW(kClass, L"", WS_POPUP | WS_VISIBLE, 300, 100, 100, 100, nullptr,
                                nullptr, nullptr, nullptr);
        PumpMessages();
        received.clear();
    }
    void TearDown() override {
        DestroyWindow(outside);
        DestroyWindow(control);
    }

    HWND control = nullptr, inner = nullptr, outside = nullptr;
    static constexpr POINT kInner{125, 125}, kControl{175, 175}, kOutside{350, 150};
};

TEST_F(RightButtonFilterTest, TheRightButtonNeverReachesTheControlOrTheWindowsInsideIt) {
    std::vector<MSG> watched;
    RightButtonFilter filter;
    ASSERT_TRUE(filter.Start(control, [&](const MSG& message) {
        if (IsButton(message.message)) watched.push_back(message);
    }));
    for (POINT at : {kInner, kControl}) {
        RightClick(at);
        LeftClick(at);
    }
    const std::vector<Received> leftOnly = {{inner, WM_LBUTTONDOWN},
                                            {inner, WM_LBUTTONUP},
                                            {control, WM_LBUTTONDOWN},
                                            {control, WM_LBUTTONUP}};
    EXPECT_EQ(received, leftOnly);
    ASSERT_EQ(watched.size(), 4u) << "the watcher sees the other buttons";
    EXPECT_EQ(watched[0].hwnd, inner);
    EXPECT_EQ(watched[0].message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(watched[0].lParam, MAKELPARAM(25, 25)) << "at its place in the window";
    EXPECT_EQ(watched[2].hwnd, control);
    EXPECT_EQ(watched[2].lParam, MAKELPARAM(75, 75));

    received.clear();
    RightClick(kOutside);
    const std::vector<Received> outsideRight = {{outside, WM_RBUTTONDOWN},
                                                {outside, WM_RBUTTONUP}};
    EXPECT_EQ(received, outsideRight) << "other windows keep theirs";

    filter.Stop();
    received.clear();
    RightClick(kInner);
    const std::vector<Received> innerRight = {{inner, WM_RBUTTONDOWN}, {inner, WM_RBUTTONUP}};
    EXPECT_EQ(received, innerRight) << "and the control gets it back";
}

}  // namespace
