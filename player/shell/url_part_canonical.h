#pragma once
// The system's URL canonicalisation with no flags, applied to a piece of an
// address such as search words: unsafe characters (spaces among them) come
// back escaped.

#include <optional>
#include <string>
#include <string_view>

std::optional<std::wstring> CanonicaliseUrlPart(std::wstring_view text);
