#pragma once
// The recorder's source combo: the station's stream on top, then the sound
// cards. The stream entry is greyed while it cannot be copied (the media
// player control plays the station), and the combo's tip then says why.
// Owner-drawn (CBS_OWNERDRAWFIXED | CBS_HASSTRINGS in the template).

#include "skin/tt_combo_box.h"

#include <functional>
#include <optional>

inline constexpr int kStreamCopyEntry = 0;
inline constexpr int kFirstDeviceEntry = 1;

class CSourceComboBox : public CTTComboBox {
public:
    // Asked at every paint and hover, since the station can change hands
    // at any time.
    void SetCopyAvailable(std::function<bool()> available) { copyAvailable_ = std::move(available); }
    bool CopyAvailable() const { return !copyAvailable_ || copyAvailable_(); }

    std::optional<LRESULT> OnReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void PreTranslateMessage(const MSG& message) override;

private:
    void DrawEntry(const DRAWITEMSTRUCT& item) const;

    std::function<bool()> copyAvailable_;
    bool tipSaysUnavailable_ = false;
};
