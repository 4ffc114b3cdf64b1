#pragma once
// The skin gallery's three windows: the main window's skin cut to its shape,
// a resizing pane with the pane frame, and a row of image buttons in each of
// their states. The Wine tests look at them on screen and drive them.

#include "skin/adv_edit.h"
#include "skin/bitmap_dialog.h"
#include "skin/button_st.h"
#include "skin/fs_edit.h"
#include "skin/hyperlink_static.h"
#include "skin/rename_edit.h"
#include "skin/resizing_dialog.h"
#include "skin/tt_combo_box.h"
#include "skin/zip_slider_ctl.h"
#include "host/player_messages.h"
#include "tests/skin/win/gallery_ids.h"

#include <array>

// Where the gallery puts its windows on the screen.
inline constexpr POINT kMainAt{20, 20};
inline constexpr POINT kPaneAt{200, 20};
inline constexpr POINT kButtonsAt{400, 20};
inline constexpr RECT kVolumeRect{72, 189, 144, 209};  // in the main window

class GalleryMain : public CBitmapDialog {
public:
    GalleryMain() : CBitmapDialog(IDD_GALLERY_MAIN, nullptr) {}
    CZipSliderCtl& Volume() { return volume_; }

protected:
    bool OnInitDialog() override;

private:
    void SetUpButton(CButtonST& button, int id, UINT image, RECT place);

    std::array<CButtonST, 9> buttons_;
    CButtonST station_;
    CZipSliderCtl volume_;
    CHyperlinkStatic status_;
    CHyperlinkStatic go_;
    CAdvEdit search_;
    CFSEdit links_{WM_RUN_LINK};
    ScopedFont stationFont_;
};

// One more skinned window with nothing but its picture, shaped and draggable
// by its strip: the compact main window, the recorder, the scheduler, the
// web panes and the instructions window.
class GalleryPicture : public CBitmapDialog {
public:
    GalleryPicture(UINT picture, UINT strip, POINT at, SIZE size)
        : CBitmapDialog(IDD_GALLERY_PICTURE, nullptr), picture_(picture), strip_(strip), at_(at),
          size_(size) {}

protected:
    bool OnInitDialog() override;

private:
    UINT picture_;
    UINT strip_;
    POINT at_;
    SIZE size_;
};

class GalleryPane : public CResizingDialog {
public:
    GalleryPane() : CResizingDialog(IDD_GALLERY_PANE, nullptr) {}

protected:
    bool OnInitDialog() override;

private:
    CButtonST close_;
    CButtonST add_;
    CButtonST delete_;
    CHyperlinkStatic status_;
    CHyperlinkStatic link_;
    CTTComboBox combo_;
    CRenameEdit rename_{WM_RENAME_DONE};
    ScopedBitmap checkOff_;
    ScopedBitmap checkOn_;
};

class GalleryButtons : public Dialog {
public:
    GalleryButtons() : Dialog(IDD_GALLERY_BUTTONS, nullptr) {}
    int Clicks() const { return clicks_; }

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;

private:
    std::array<CButtonST, 6> buttons_;
    ScopedBrush pane_{CreateSolidBrush(kPaneColour)};
    int clicks_ = 0;
};
