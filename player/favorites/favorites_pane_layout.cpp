#include "favorites/favorites_pane_layout.h"

FavoritesPaneLayout LayoutFavoritesPane(int windowWidth) {
    const int middle = windowWidth / 2;
    return {
        .close = RectAt(windowWidth - 20, 3, 12, 11),
        .add = RectAt(middle - kFavoritesAddWidth - 6, kFavoritesButtonsTop, kFavoritesAddWidth,
                      kFavoritesButtonHeight),
        .remove =
            RectAt(middle - 2, kFavoritesButtonsTop, kFavoritesDeleteWidth, kFavoritesButtonHeight),
        .listWidth = windowWidth - 20,
        .nameColumnWidth = windowWidth - 70,
        .statusWidth = windowWidth - 3,
    };
}
