#pragma once
// Reading an entry of a data file: the texts of several attributes and child
// elements of one element.

#include "common/ports/xml_document.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The texts `paths` name ("@name" for an attribute, "homepage" for a child
// element), in the order of `paths`, each as SelectText gives it: the first
// child element of a name counts, and a missing one reads as nothing. One
// walk over the element serves them all. When the walk breaks off every
// value reads as nothing, so a broken element is never taken for one that
// merely lacks its optional values.
std::vector<std::optional<std::wstring>> SelectTexts(XmlNode& element,
                                                     std::span<const std::wstring_view> paths);
