#pragma once
// favorites.xml in the program's folder: the favourites, top row first.
//
//   <root>
//     <station name="...">
//       <homepage/> <streamlink/> <banner/>
//     </station>
//   </root>

#include "common/ports/file_replace.h"
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

// Loads the file as LoadFavorites does, for the favourites pane, after
// finishing a save that a crash cut short. A file that is there but cannot be
// read to its end is copied aside as "Saving\favorites.xml.bad" (replacing an
// older one), so that the next save cannot lose what it held. True when the
// file may be written: it was read, it was missing or empty, or it was copied
// aside.
bool LoadFavoritesSettingAsideBroken(const std::wstring& path, FavoritesList& list);

// The name an unreadable favourites file is kept under.
inline std::wstring SetAsideName(const std::wstring& path) { return WaitingName(path) + L".bad"; }

// Replaces the file with the list in display order; an empty list gives an
// empty root. The list is written in the "Saving" folder first and then
// takes the file's place, so a save cut short leaves the old file whole.
// Nothing is written when the document cannot be built.
bool SaveFavorites(const std::wstring& path, const FavoritesList& list);
