#pragma once
// Where the favourites pane puts its controls for a window width: the close
// button in the top-right corner, the add and delete buttons either side of
// the middle, the list and the status line across the pane.

#include "common/scale/pixel_rect.h"

inline constexpr int kFavoritesAddWidth = 63;
inline constexpr int kFavoritesDeleteWidth = 67;
inline constexpr int kFavoritesButtonHeight = 18;
inline constexpr int kFavoritesButtonsTop = 33;

struct FavoritesPaneLayout {
    PixelRect close;
    PixelRect add;
    PixelRect remove;
    int listWidth = 0;  // at its place, with its height kept
    int nameColumnWidth = 0;
    int statusWidth = 0;  // at its place, 14 high
};

FavoritesPaneLayout LayoutFavoritesPane(int windowWidth);
