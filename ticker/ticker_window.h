#pragma once
// The ticker strip: a topmost tool window with the channel field and spin on
// the left, the scrolling headline line in the middle and the read-more,
// speed and close buttons on the right.
//
// Threads: the window's own thread handles messages, builds the channel line
// and owns the channel state and the headline list. The scroller thread only
// draws: each step copies part of the text image to the window under
// drawLock_, which also guards every change of the image, the bounds and the
// positions. The scroller is stopped and joined before the window goes, so no
// step outlives what it draws with. Download threads touch nothing here but
// the shared downloading flag; they report by WM_FEED_READY.

#include "common/window/gdi_object.h"
#include "ticker/channel_text.h"
#include "ticker/link_opener.h"
#include "ticker/scroll_geometry.h"
#include "ticker/scroller.h"
#include "ticker/text_image.h"
#include "ticker/ticker_button.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class TickerWindow {
public:
    // Reads the ticker's registry values.
    TickerWindow();
    ~TickerWindow();
    TickerWindow(const TickerWindow&) = delete;
    TickerWindow& operator=(const TickerWindow&) = delete;

    // Creates the hidden window on the calling thread, which must run a
    // message loop; `owner` opens read-more links and may be null.
    bool Create(LinkOpener* owner);
    void Destroy();
    HWND Handle() const { return window_; }

    void SetDisplayText(const std::string& text);
    void ScrollStep();
    bool SelectChannelByName(const std::string& name);
    bool SelectChannelByIndex(int index);

    std::uint32_t Delay() const { return delay_; }
    // Takes effect at the next pause and is stored at once.
    void SetDelay(std::uint32_t delay);
    std::int32_t ChannelIndex() const { return channelIndex_; }
    Scroller::Statistics ScrollerFigures() const { return scroller_.Measure(); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Answer(LRESULT result);

    void OnInitDialog();
    void CreateButtons(const RECT& client);
    void OnScaleChanged();
    void OnShowWindow(bool shown);
    void OnEraseBackground(HDC dc);
    INT_PTR OnCommand(int id);
    INT_PTR OnNotify(const NMHDR& header);
    void OnFeedReady();
    void OnDrag(UINT message, POINT point);
    bool OnSetCursor(HWND target, int hitTest);
    void ShowContextMenu(POINT point);
    void ReadMore();
    void StartDownload();
    bool ApplySelection(ChannelSelection selection);
    ScrollBounds MeasureBounds() const;
    void ClearScrollArea();

    HWND window_ = nullptr;
    LinkOpener* owner_ = nullptr;
    std::string feedUrl_;
    std::wstring cachePath_;
    std::atomic<std::uint32_t> delay_;
    std::shared_ptr<std::atomic<bool>> downloading_;

    // Window thread only.
    int channelIndex_ = -1;
    std::string channelName_;
    int channelCount_ = -1;
    std::vector<TickerItem> items_;
    TickerButton readMore_;
    TickerButton speed_;
    TickerButton close_;
    GdiObject<HBRUSH> channelBrush_;
    bool dragging_ = false;
    POINT dragOrigin_{};
    POINT lastPointer_{};

    // Shared with the scroller thread.
    mutable std::recursive_mutex drawLock_;
    std::string displayText_;
    std::unique_ptr<TextImage> image_;
    RECT client_{};
    ScrollBounds bounds_;
    ScrollGeometry geometry_;

    Scroller scroller_;  // declared last: joined before anything it draws with goes
};
