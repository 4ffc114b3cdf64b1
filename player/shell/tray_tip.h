#pragma once
// The tray icon's tip while a station plays: "Station - Title", or the
// station alone until a title is known. The tip has room for only so many
// characters; a longer text is cut and ends in an ellipsis.

#include <cstddef>
#include <string>

std::wstring TrayTip(const std::wstring& station, const std::wstring& title, std::size_t room);
