#pragma once
// What MSXML refuses to load and pugixml would read on, for the host's XML
// document: pugixml takes any bytes as UTF-8 (an overlong "C0 80" becomes
// U+0000) and reads "&#0;" as a NUL, and a NUL cuts a text short at the next
// save. Refusing both keeps the two adapters' files interchangeable.

#include <string_view>

// A file's bytes: false when they refer to NUL, or when they are to be read
// as UTF-8 (no byte-order mark nor declaration names another encoding) and
// are not well-formed UTF-8 free of NUL bytes.
bool AcceptsXmlBytes(std::string_view bytes);

// A text in memory: false when it refers to NUL.
bool AcceptsXmlText(std::wstring_view text);
