#pragma once
// The "-cleanup" action: removes what the player downloaded (also what killed
// downloads left half written), cached and stored about itself, and the
// "Saving" folders (new versions on their way, an unreadable favourites file
// set aside), so it can be uninstalled or started afresh. The user's own
// things stay: scheduled recordings ("queued.xml"), the local banner page
// ("HTML") and the recordings. Every step is independent and failures are
// ignored, so running it twice is harmless.

#include "common/ports/registry.h"

#include <string>

void RemovePlayerData(Registry& registry, const std::wstring& appFolder);
