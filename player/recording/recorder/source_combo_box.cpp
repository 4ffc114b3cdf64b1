#include "recording/recorder/source_combo_box.h"

#include <string>

namespace {

constexpr wchar_t kSourceTip[] = L"Soundcard";
constexpr wchar_t kCopyUnavailableTip[] =
    L"Radio stream (exact copy) needs a station that the player plays itself. This station "
    L"plays through Windows Media Player: record it from a sound card.";
constexpr int kTextMargin = 2;

}  // namespace

void CSourceComboBox::PreTranslateMessage(const MSG& message) {
    if (message.message == WM_MOUSEMOVE && tipSaysUnavailable_ == CopyAvailable()) {
        tipSaysUnavailable_ = !tipSaysUnavailable_;
        ChangeTooltip(tipSaysUnavailable_ ? kCopyUnavailableTip : kSourceTip);
    }
    CTTComboBox::PreTranslateMessage(message);
}

std::optional<LRESULT> CSourceComboBox::OnReflected(UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_DRAWITEM) return std::nullopt;
    DrawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
}

void CSourceComboBox::DrawEntry(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const int entry = static_cast<int>(item.itemID);
    const bool greyed = entry == kStreamCopyEntry && !CopyAvailable();
    const bool selected = (item.itemState & ODS_SELECTED) && !greyed;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    const auto length = SendMessageW(hwnd_, CB_GETLBTEXTLEN, entry, 0);
    if (length <= 0) return;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(hwnd_, CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));

    const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = font ? SelectObject(item.hDC, font) : nullptr;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(greyed      ? COLOR_GRAYTEXT
                                       : selected ? COLOR_HIGHLIGHTTEXT
                                                  : COLOR_WINDOWTEXT));
    RECT textRect = item.rcItem;
    textRect.left += kTextMargin;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (oldFont) SelectObject(item.hDC, oldFont);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}
