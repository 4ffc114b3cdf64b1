#include "shell/main_window_layout.h"

#include "res/resource.h"

namespace {

struct ControlPlaces {
    int id;
    PixelRect full;
    std::optional<PixelRect> compact;
};

constexpr PixelRect At(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

const ControlPlaces kPlaces[] = {
    {IDC_COMPACT, At(102, 6, 12, 11), At(297, 2, 12, 11)},
    {IDC_HIDE, At(117, 6, 12, 11), At(297, 13, 12, 11)},
    {IDC_SWITCH_OFF, At(132, 6, 12, 11), std::nullopt},
    {IDC_BANNER, At(3, 26, 144, 62), std::nullopt},
    {IDC_SEARCH, At(8, 98, 105, 17), std::nullopt},
    {IDC_GO, At(119, 98, 20, 13), std::nullopt},
    {IDC_LINKS, At(8, 120, 116, 17), std::nullopt},
    {IDC_LINKS_SPIN, At(126, 119, 16, 19), std::nullopt},
    {IDC_STATION, At(8, 142, 134, 20), std::nullopt},
    {IDC_RECORDER, At(5, 165, 14, 14), std::nullopt},
    {IDC_FAVORITES, At(20, 165, 14, 14), std::nullopt},
    {IDC_SCHEDULER, At(35, 165, 14, 14), std::nullopt},
    {IDC_STATUS, At(48, 166, 89, 13), At(62, 6, 96, 14)},
    {IDC_STOP, At(5, 189, 20, 20), At(160, 3, 20, 20)},
    {IDC_PLAY, At(26, 189, 20, 20), At(181, 3, 20, 20)},
    {IDC_MUTE, At(47, 189, 20, 20), At(202, 3, 20, 20)},
    {IDC_VOLUME, At(72, 189, 72, 20), At(223, 3, 72, 20)},
};

constexpr PixelRect kWideStatus = At(4, 166, 140, 13);

}  // namespace

std::optional<PixelRect> MainControlPlace(int controlId, MainLayout layout, bool wideStatus) {
    if (controlId == IDC_STATUS && wideStatus && layout == MainLayout::Full) return kWideStatus;
    for (const ControlPlaces& places : kPlaces) {
        if (places.id == controlId)
            return layout == MainLayout::Full ? std::optional(places.full) : places.compact;
    }
    return std::nullopt;
}
