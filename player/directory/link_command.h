#pragma once
// What a click on the links field does with the entry it shows: one of the
// player's own commands, a web page for the browser, or nothing. The links
// come from the directory site, so a target that is neither a command nor a
// web address (a program, a local file, a share) is never handed to the
// shell.

#include "directory/links_list.h"

#include <string_view>

enum class LinkCommand { Favorites, Info, Search, Timer, Ticker, Update, OpenWebPage, Ignore };

// The commands are found anywhere in the target, in the order of the enum;
// the first that matches wins.
LinkCommand MatchLinkCommand(std::wstring_view target);

// The spin beside the field: a negative step goes to the previous entry, a
// positive one to the next, never past either end. True when the entry
// changed.
bool StepLinks(LinksList& links, int step);
