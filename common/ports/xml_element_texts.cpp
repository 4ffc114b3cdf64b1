#include "common/ports/xml_element_texts.h"

#include <algorithm>

namespace {

bool IsAttributePath(std::wstring_view path) {
    return !path.empty() && path.front() == L'@';
}

}  // namespace

std::vector<std::optional<std::wstring>> SelectTexts(XmlNode& element,
                                                     std::span<const std::wstring_view> paths) {
    std::vector<std::optional<std::wstring>> texts(paths.size());
    std::vector<bool> seen(paths.size());
    // Keeps the text of the first node matching an unseen path of the kind
    // the walk visits.
    auto keepFirst = [&](bool attributes) {
        return [&, attributes](std::wstring_view name, XmlNode& node) {
            for (std::size_t i = 0; i < paths.size(); ++i) {
                if (seen[i] || IsAttributePath(paths[i]) != attributes) continue;
                if (paths[i].substr(attributes ? 1 : 0) != name) continue;
                seen[i] = true;
                texts[i] = node.Text();
                return;
            }
        };
    };
    const bool wantsAttributes = std::any_of(paths.begin(), paths.end(), IsAttributePath);
    const bool wantsElements = !std::all_of(paths.begin(), paths.end(), IsAttributePath);
    if ((wantsAttributes && !element.ForEachAttribute(keepFirst(true))) ||
        (wantsElements && !element.ForEachChildElement(keepFirst(false)))) {
        return std::vector<std::optional<std::wstring>>(paths.size());
    }
    return texts;
}
