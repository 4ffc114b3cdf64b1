// The skinned windows and controls driven through their messages under Wine:
// window and drag regions, the slider's thumb, the button's result codes and
// clicks, the pane's frame and size limits, and the small edit controls.

#include "common/helpers/shell_open.h"
#include "common/window/device_context.h"
#include "common/window/gdi_object.h"
#include "common/window/modeless_dialogs.h"
#include "host/player_messages.h"
#include "res/skin_ids.h"
#include "tests/skin/win/gallery_windows.h"
#include "tests/support/drawn_item.h"
#include "tests/support/scratch_file.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// Takes a message posted to window out of the queue, so that nothing (a
// window move, say) runs it.
bool TakePosted(HWND window, UINT message, MSG* taken = nullptr) {
    MSG found{};
    const bool posted = PeekMessageW(&found, window, message, message, PM_REMOVE) != FALSE;
    if (taken) *taken = found;
    return posted;
}

bool RegionHas(HWND window, int x, int y) {
    ScopedRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, region.Get()) == ERROR) return false;
    return PtInRegion(region.Get(), x, y) != FALSE;
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// A memory picture of the given size, filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill) {
        ClientDC screen(nullptr);
        bitmap_.Reset(CreateCompatibleBitmap(screen, width, height));
        selection_.emplace(dc_, bitmap_.Get());
        const RECT whole{0, 0, width, height};
        ScopedBrush brush(CreateSolidBrush(fill));
        FillRect(dc_, &whole, brush.Get());
    }
    operator HDC() const { return dc_; }

private:
    MemoryDC dc_;
    ScopedBitmap bitmap_;
    std::optional<SelectedObject> selection_;
};

COLORREF PicturePixel(UINT resourceId, int x, int y) {
    CZipBitmap picture;
    EXPECT_TRUE(picture.Load(resourceId, DisplayScale{}));
    MemoryDC memory;
    SelectedObject selection(memory, picture.Handle());
    return GetPixel(memory, x, y);
}

TEST(SkinPictures, TheThumbKeyedByItsCornerLeavesTheDestinationThere) {
    CZipTransBitmap thumb;
    ASSERT_TRUE(thumb.LoadWithKey(IDB_SLIDER_THUMB, kKeyFromCorner, DisplayScale{}));
    EXPECT_EQ(thumb.GetWidth(), 29);
    EXPECT_EQ(thumb.GetHeight(), 21);
    const COLORREF red = RGB(255, 0, 0);
    Canvas canvas(40, 30, red);
    thumb.DrawTransparent(canvas, 5, 5);
    EXPECT_EQ(GetPixel(canvas, 5, 5), red);       // the thumb's corner
    EXPECT_EQ(GetPixel(canvas, 5 + 28, 5 + 10), red);  // beside the knob
    EXPECT_EQ(GetPixel(canvas, 5 + 14, 5 + 10), PicturePixel(IDB_SLIDER_THUMB, 14, 10));
}

TEST(SkinPictures, AMissingPictureLoadsNothingAndDrawsNothing) {
    CZipTransBitmap missing;
    EXPECT_FALSE(missing.LoadWithKey(4242, kKeyFromCorner, DisplayScale{}));
    Canvas canvas(4, 4, RGB(1, 2, 3));
    missing.DrawTransparent(canvas, 0, 0);
    EXPECT_EQ(GetPixel(canvas, 0, 0), RGB(1, 2, 3));
}

TEST(SkinPictures, TheComposedBackgroundIsButtonFaceBeyondItsPicture) {
    CZipBackGroundBitmap background;
    ASSERT_TRUE(background.ComposeBackground({0, 0, 100, 30}, IDB_SLIDER_FULL, DisplayScale{}));
    Canvas canvas(100, 30, RGB(1, 2, 3));
    background.CopyArea(canvas, {0, 0, 100, 30});
    EXPECT_EQ(GetPixel(canvas, 30, 10), PicturePixel(IDB_SLIDER_FULL, 30, 10));
    EXPECT_EQ(GetPixel(canvas, 80, 5), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(canvas, 10, 25), GetSysColor(COLOR_BTNFACE));

    CZipBackGroundBitmap plain;
    ASSERT_TRUE(plain.ComposeBackground({0, 0, 10, 10}, 0, DisplayScale{}));
    plain.CopyArea(canvas, {0, 0, 10, 10});
    EXPECT_EQ(GetPixel(canvas, 5, 5), GetSysColor(COLOR_BTNFACE));
}

class MainSkin : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(main_.Create()); }
    GalleryMain main_;
};

TEST_F(MainSkin, TheWindowIsCutToThePictureWhereverItStands) {
    const RECT place = main_.RectInParent();
    EXPECT_EQ(place.left, kMainAt.x);  // not at the screen's corner
    EXPECT_FALSE(RegionHas(main_, 0, 0));  // the rounded corner is magenta
    EXPECT_FALSE(RegionHas(main_, 149, 214));
    EXPECT_TRUE(RegionHas(main_, 75, 100));
    EXPECT_TRUE(RegionHas(main_, 0, 100));
}

TEST_F(MainSkin, AnUnshapedBackgroundGivesBackTheWholeRectangle) {
    main_.SetShaped(false);
    ASSERT_TRUE(main_.SetBackground(IDB_MAIN_FULL));
    EXPECT_TRUE(RegionHas(main_, 0, 0));
    EXPECT_TRUE(RegionHas(main_, 149, 214));
}

TEST_F(MainSkin, AMissingBackgroundIsReported) {
    EXPECT_FALSE(main_.SetBackground(4242));
    EXPECT_FALSE(main_.SetDragRegion(4242));
}

TEST_F(MainSkin, OnlyTheOpaquePixelsOfTheStripDragTheWindow) {
    main_.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    MSG drag{};
    ASSERT_TRUE(TakePosted(main_, WM_NCLBUTTONDOWN, &drag));
    EXPECT_EQ(drag.wParam, WPARAM{HTCAPTION});

    main_.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(120, 10));  // keyed part of the strip
    EXPECT_FALSE(TakePosted(main_, WM_NCLBUTTONDOWN));
    main_.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(75, 100));  // below the strip
    EXPECT_FALSE(TakePosted(main_, WM_NCLBUTTONDOWN));

    main_.dragAnywhere = true;
    main_.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(75, 100));
    EXPECT_TRUE(TakePosted(main_, WM_NCLBUTTONDOWN));
}

TEST_F(MainSkin, TheSliderThumbFollowsThePosition) {
    CZipSliderCtl& volume = main_.Volume();
    volume.SetPosition(0);
    EXPECT_EQ(volume.GetThumbRect().left, -1);
    EXPECT_EQ(volume.GetThumbRect().right, 28);
    volume.SetPosition(50);
    EXPECT_EQ(volume.GetThumbRect().left, 21);
    EXPECT_EQ(volume.GetTipText(), L"50");
    volume.SetPosition(100);
    EXPECT_EQ(volume.GetThumbRect().left, 44);
    EXPECT_TRUE(volume.SetTipFlags(0x20));
    EXPECT_FALSE(volume.SetTipFlags(0));
}

// The tooltip window of this thread that is on screen, if any.
HWND VisibleTooltip() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[64] = L"";
            GetClassNameW(window, name, static_cast<int>(std::size(name)));
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0 || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST_F(MainSkin, EverySliderShowsTheValueTipWhileItsThumbIsDragged) {
    // The recorder's volume beside the main volume: two sliders, one tip.
    std::array<CZipSliderCtl, 2> sliders;
    for (int i = 0; i < 2; ++i) {
        HWND track = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10,
                                     120 + 25 * i, 72, 20, main_, nullptr, nullptr, nullptr);
        ASSERT_TRUE(sliders[i].Attach(track));
        sliders[i].Send(TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
        sliders[i].SetSkin(IDB_SLIDER_FULL, IDB_SLIDER_THUMB);
        sliders[i].SetTipFlags(kTipShowValue);
        sliders[i].SetPosition(50);
    }
    for (CZipSliderCtl& slider : sliders) {
        const RECT thumb = slider.GetThumbRect();
        const LPARAM onThumb = At((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
        slider.Send(WM_LBUTTONDOWN, MK_LBUTTON, onThumb);
        EXPECT_NE(VisibleTooltip(), nullptr);
        slider.Send(WM_LBUTTONUP, 0, onThumb);
        EXPECT_EQ(VisibleTooltip(), nullptr);
    }
}

TEST_F(MainSkin, StaticsAreTransparentButTrackbarsKeepTheirBackground) {
    ClientDC dc(main_);
    const auto brushFor = [&](int id) {
        return reinterpret_cast<HGDIOBJ>(
            main_.Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                       reinterpret_cast<LPARAM>(main_.Item(id))));
    };
    EXPECT_EQ(brushFor(IDC_STATUS), GetStockObject(NULL_BRUSH));
    EXPECT_NE(brushFor(IDC_VOLUME), GetStockObject(NULL_BRUSH));
    main_.transparentStatics = false;
    EXPECT_NE(brushFor(IDC_STATUS), GetStockObject(NULL_BRUSH));
}

TEST_F(MainSkin, AClickInTheSearchFieldStartsANewEntry) {
    HWND search = main_.Item(IDC_SEARCH);
    SetWindowTextW(search, L"jazz");
    SendMessageW(search, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(search, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(Window(search).Text(), L"");
}

TEST_F(MainSkin, AClickOnTheLinksFieldAsksToRunTheLink) {
    HWND links = main_.Item(IDC_LINKS);
    SendMessageW(links, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(links, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_TRUE(TakePosted(main_, WM_RUN_LINK));
}

// A dialog with one image button under test and a counter of clicks.
class ButtonHost : public Dialog {
public:
    ButtonHost() : Dialog(IDD_GALLERY_BUTTONS, nullptr) {}
    CButtonST button;
    int clicks = 0;

protected:
    bool OnInitDialog() override {
        AttachControl(button, IDC_COUNTER);
        return true;
    }
    bool OnCommand(int id, int notifyCode) override {
        if (id == IDC_COUNTER && notifyCode == BN_CLICKED) ++clicks;
        return true;
    }
};

// A dialog whose timer ticks are counted.
class TimedDialog : public Dialog {
public:
    TimedDialog() : Dialog(IDD_GALLERY_PICTURE, nullptr) {}
    int ticks = 0;

protected:
    void OnTimer(UINT_PTR id) override {
        if (id == 7 && ++ticks == 2) StopTimer(7);
    }
};

TEST(DialogBase, TimerTicksReachTheDialogUntilItStopsThem) {
    TimedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.StartTimer(7, 10);
    const DWORD until = GetTickCount() + 2000;
    MSG message;
    while (GetTickCount() < until) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(5);
    }
    EXPECT_EQ(dialog.ticks, 2);
}

// A modeless pane that catches Enter in its controls before they see it.
class EnterCatcher : public Dialog {
public:
    EnterCatcher() : Dialog(IDD_GALLERY_PANE, nullptr) {}
    int enterKeys = 0;

    bool PreTranslateMessage(MSG& message) override {
        if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
            ++enterKeys;
            return true;
        }
        return Dialog::PreTranslateMessage(message);
    }
};

// A modal dialog that presses Enter in another window, then ends.
class ModalPresser : public Dialog {
public:
    explicit ModalPresser(HWND target) : Dialog(IDD_GALLERY_PICTURE, nullptr), target_(target) {}

protected:
    bool OnInitDialog() override {
        PostMessageW(target_, WM_KEYDOWN, VK_RETURN, 0);
        Post(WM_APP);
        return true;
    }
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_APP) return Dialog::OnMessage(message, wParam, lParam);
        End(0);
        return 0;
    }

private:
    HWND target_;
};

TEST(DialogBase, AModelessDialogSeesItsKeysFirstEvenWhileAModalDialogRuns) {
    EnterCatcher pane;
    ASSERT_TRUE(pane.Create());
    ModalPresser modal(pane.Item(IDC_PANE_RENAME));
    modal.DoModal();
    EXPECT_EQ(pane.enterKeys, 1);
}

TEST(DialogBase, AProgramsOwnLoopRoutesKeysToTheModelessDialog) {
    EnterCatcher pane;
    ASSERT_TRUE(pane.Create());
    PostMessageW(pane.Item(IDC_PANE_RENAME), WM_KEYDOWN, VK_RETURN, 0);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!RouteToModelessDialog(message)) DispatchMessageW(&message);
    }
    EXPECT_EQ(pane.enterKeys, 1);
}

class ImageButton : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host_.Create()); }
    ButtonHost host_;
};

TEST_F(ImageButton, ResultCodesTellWhyAnImageOrBackgroundIsMissing) {
    CButtonST& button = host_.button;
    EXPECT_EQ(button.SetImages(IDB_RECORD, kMagenta), CButtonST::kOk);
    EXPECT_EQ(button.SetImages(4242, kMagenta), CButtonST::kNoImageSize);
    ClientDC parent(host_);
    EXPECT_EQ(button.RecaptureBackground(parent), CButtonST::kNoBackground);
    button.SetTransparentDrawing();
    EXPECT_EQ(button.RecaptureBackground(nullptr), CButtonST::kNoBackground);
    EXPECT_EQ(button.RecaptureBackground(parent), CButtonST::kOk);
}

TEST_F(ImageButton, BecomesOwnerDrawnAndADoubleClickCountsAsTwoClicks) {
    HWND button = host_.button;
    EXPECT_EQ(Window(button).Style() & BS_TYPEMASK, BS_OWNERDRAW);
    for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        SendMessageW(button, down, MK_LBUTTON, At(5, 5));
        SendMessageW(button, WM_LBUTTONUP, 0, At(5, 5));
    }
    EXPECT_EQ(host_.clicks, 2);
    EXPECT_EQ(GetFocus(), button);  // a click gives the button the focus
}

// The button as it draws itself for its parent, pixel by pixel.
std::vector<std::uint32_t> DrawnButton(CButtonST& button) {
    return DrawnItem(button, ODT_BUTTON, 0, 0, {40, 40});
}

long PixelsDiffering(const std::vector<std::uint32_t>& one,
                     const std::vector<std::uint32_t>& other) {
    long differing = 0;
    for (std::size_t i = 0; i < one.size() && i < other.size(); ++i) differing += one[i] != other[i];
    return differing;
}

TEST_F(ImageButton, DrawsTheCaptionLastGiven) {
    CButtonST& button = host_.button;
    SetWindowTextW(button.Hwnd(), L"");
    const std::vector<std::uint32_t> bare = DrawnButton(button);
    SetWindowTextW(button.Hwnd(), L"Rec");
    const std::vector<std::uint32_t> captioned = DrawnButton(button);
    EXPECT_GT(PixelsDiffering(captioned, bare), 0) << "the caption is drawn";
    SetWindowTextW(button.Hwnd(), L"");
    EXPECT_EQ(PixelsDiffering(DrawnButton(button), bare), 0) << "and goes with an empty text";
}

// The tooltip window whose first tool belongs to owner, or null.
HWND TooltipOf(HWND owner) {
    struct Search {
        HWND owner;
        HWND found = nullptr;
    } search{owner};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(parameter);
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            if (!SendMessageW(window, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) ||
                tool.hwnd != search.owner) {
                return TRUE;
            }
            search.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(ImageButton, TheBalloonStyleAppliesAlsoAfterTheTooltipWasMade) {
    CButtonST& button = host_.button;
    button.SetTooltipText(L"Record");
    HWND tooltip = TooltipOf(button);
    ASSERT_NE(tooltip, nullptr);
    EXPECT_FALSE(GetWindowLongPtrW(tooltip, GWL_STYLE) & TTS_BALLOON);
    button.SetBalloonTooltip();
    EXPECT_TRUE(GetWindowLongPtrW(tooltip, GWL_STYLE) & TTS_BALLOON);
}

// A hover tip's window is made at the first mouse message over its owner:
// the tip then shows as before, in the balloon, with the text it was given.
TEST_F(MainSkin, AHoverTipGetsItsWindowAtTheFirstMouseMessageWithItsText) {
    CZipSliderCtl slider;
    HWND track = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 120, 72,
                                 20, main_, nullptr, nullptr, nullptr);
    ASSERT_TRUE(slider.Attach(track));
    slider.InitHoverTooltip(L"Recording volume");
    EXPECT_EQ(TooltipOf(track), nullptr) << "a tooltip window before any mouse message";
    slider.Send(WM_MOUSEMOVE, 0, At(5, 5));
    HWND tooltip = TooltipOf(track);
    ASSERT_NE(tooltip, nullptr) << "no tooltip window after a mouse move over the slider";
    EXPECT_TRUE(GetWindowLongPtrW(tooltip, GWL_STYLE) & TTS_BALLOON);
    wchar_t text[64]{};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = track;
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Recording volume");
    slider.Send(WM_MOUSEMOVE, 0, At(6, 5));
    EXPECT_EQ(TooltipOf(track), tooltip) << "a second mouse move made another tooltip";
}

LRESULT CALLBACK CountSysColourChanges(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR count) {
    if (message == WM_SYSCOLORCHANGE) ++*reinterpret_cast<int*>(count);
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(ImageButton, TheDialogPassesAChangeOfSystemColoursToItsControls) {
    int changes = 0;
    ASSERT_TRUE(SetWindowSubclass(host_.button, CountSysColourChanges, 1,
                                  reinterpret_cast<DWORD_PTR>(&changes)));
    SendMessageW(host_, WM_SYSCOLORCHANGE, 0, 0);
    RemoveWindowSubclass(host_.button, CountSysColourChanges, 1);
    EXPECT_EQ(changes, 1);
}

class Pane : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pane_.Create()); }

    // The pane's erase painted into a memory picture of its client area.
    COLORREF ErasedPixel(int x, int y) {
        const RECT client = pane_.ClientRect();
        ClientDC screen(nullptr);
        MemoryDC memory(screen);
        ScopedBitmap picture(CreateCompatibleBitmap(screen, client.right, client.bottom));
        SelectedObject selection(memory, picture.Get());
        pane_.Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()));
        return GetPixel(memory, x, y);
    }

    COLORREF FramePixel(int x, int y) {
        CZipBitmap frame;
        EXPECT_TRUE(frame.Load(IDB_PANE_FRAME, DisplayScale{}));
        MemoryDC memory;
        SelectedObject selection(memory, frame.Handle());
        return GetPixel(memory, x, y);
    }

    GalleryPane pane_;
};

TEST_F(Pane, KeepsItsHeightAndGrowsByAFifth) {
    MINMAXINFO limits{};
    pane_.Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    const int height = pane_.WindowSize().cy;
    EXPECT_EQ(limits.ptMinTrackSize.x, 150);
    EXPECT_EQ(limits.ptMaxTrackSize.x, 180);
    EXPECT_EQ(limits.ptMinTrackSize.y, height);
    EXPECT_EQ(limits.ptMaxTrackSize.y, height);
}

TEST_F(Pane, AWideFramePaintsCornersRepeatedEdgesAndAFlatCentre) {
    pane_.Resize(180, pane_.WindowSize().cy);
    const RECT client = pane_.ClientRect();
    ASSERT_GT(client.right, 2 * 76);
    EXPECT_EQ(ErasedPixel(client.right / 2, client.bottom / 2), kPaneColour);
    EXPECT_EQ(ErasedPixel(3, 3), FramePixel(3, 3));
    EXPECT_EQ(ErasedPixel(client.right - 3, client.bottom - 3), FramePixel(146, 312));
    // Between the corners the top edge repeats the picture's column 76.
    EXPECT_EQ(ErasedPixel(client.right / 2, 5), FramePixel(76, 5));
    EXPECT_EQ(ErasedPixel(client.right / 2, client.bottom - 1), FramePixel(76, 315));
}

TEST_F(Pane, TheLinkShowsTheHandOnlyOverItsText) {
    HWND link = pane_.Item(IDC_PANE_LINK);
    EXPECT_TRUE(Window(link).Style() & SS_NOTIFY);  // a static hears clicks only so
    pane_.Show(SW_SHOWNOACTIVATE);
    POINT onText{3, 7};
    ClientToScreen(link, &onText);
    SetCursorPos(onText.x, onText.y);
    // The first move only starts tracking the pointer; the next ones choose.
    const auto cursorAfterMoveTo = [link](int x) {
        SendMessageW(link, WM_MOUSEMOVE, 0, At(x, 7));
        SendMessageW(link, WM_MOUSEMOVE, 0, At(x, 7));
        return GetCursor();
    };
    EXPECT_EQ(cursorAfterMoveTo(3), LoadCursorW(nullptr, IDC_HAND));
    // "Open the site" in a 6-pixel-wide font ends well before the field does.
    EXPECT_EQ(cursorAfterMoveTo(118), LoadCursorW(nullptr, IDC_ARROW));
}

// Whether the file appears within the time, pumping this thread's messages.
bool AppearsWithin(const std::wstring& file, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        if (std::filesystem::exists(file)) return true;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return std::filesystem::exists(file);
}

TEST_F(Pane, TheLinkOpensWebPagesOnlyWhileOwnPathsStillOpen) {
    // A batch file that leaves a marker whenever the shell runs it.
    const std::wstring marker = ScratchFile(L"link-opened.txt");
    const std::wstring script = ScratchFile(L"link-target.bat");
    WriteBytes(script, "@echo opened> \"" + std::filesystem::path(marker).string() + "\"\r\n");

    HWND link = pane_.Item(IDC_PANE_LINK);
    auto* control = static_cast<CHyperlinkStatic*>(Control::FromHandle(link));
    ASSERT_NE(control, nullptr);
    const std::wstring fileUrl = L"file:///" + script;
    for (const std::wstring& target : {script, fileUrl}) {
        control->SetLinkTarget(target.c_str());
        SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, At(3, 7));
        SendMessageW(link, WM_LBUTTONUP, 0, At(3, 7));
    }
    EXPECT_FALSE(AppearsWithin(marker, 3000));

    // The same file named by the program itself does run, so the marker would
    // have shown a click that reached the shell.
    EXPECT_TRUE(OpenOwnLocalPath(nullptr, script));
    EXPECT_TRUE(AppearsWithin(marker, 20000));
}

TEST_F(Pane, EnterInTheRenameFieldNotifiesOnceWhenReleased) {
    HWND rename = pane_.Item(IDC_PANE_RENAME);
    SendMessageW(rename, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(TakePosted(pane_, WM_RENAME_DONE));
    SendMessageW(rename, WM_KEYUP, VK_RETURN, 0);
    EXPECT_TRUE(TakePosted(pane_, WM_RENAME_DONE));
    EXPECT_FALSE(TakePosted(pane_, WM_RENAME_DONE));
}

}  // namespace
