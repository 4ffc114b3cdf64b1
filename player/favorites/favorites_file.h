#pragma once
// favorites.xml in the program's folder: the favourites, top row first.
//
//   <root>
//     <station name="...">
//       <homepage/> <streamlink/> <banner/>
//     </station>
//   </root>

#include "favorites/favorites_list.h"

#include <string>

inline constexpr wchar_t kFavoritesFileName[] = L"favorites.xml";

// Appends the file's stations to the list in file order, so the first
// station is the top row and a load-save cycle keeps the user's order. A
// name seen before keeps its first values and place. True when the file was
// read to its end; a missing or malformed file, or a station lacking its
// name or one of its three children, ends loading with false and keeps what
// was read before.
bool LoadFavorites(const std::wstring& path, FavoritesList& list);

// Replaces the file with the list in display order; an empty list gives an
// empty root. Nothing is written when the document cannot be built.
bool SaveFavorites(const std::wstring& path, const FavoritesList& list);
