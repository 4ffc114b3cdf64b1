#include "directory/link_command.h"

#include "common/helpers/web_url.h"

#include <utility>

LinkCommand MatchLinkCommand(std::wstring_view target) {
    static constexpr std::pair<std::wstring_view, LinkCommand> kCommands[] = {
        {L"::Favorites::", LinkCommand::Favorites}, {L"::Info::", LinkCommand::Info},
        {L"::Zoeken::", LinkCommand::Search},       {L"::Timer::", LinkCommand::Timer},
        {L"::Ticker::", LinkCommand::Ticker},       {L"::Update::", LinkCommand::Update},
    };
    for (const auto& [text, command] : kCommands) {
        if (target.find(text) != std::wstring_view::npos) return command;
    }
    return IsWebUrl(target) ? LinkCommand::OpenWebPage : LinkCommand::Ignore;
}

bool StepLinks(LinksList& links, int step) {
    if (step < 0 && links.current > 0) {
        --links.current;
        return true;
    }
    if (step > 0 && links.current + 1 < links.entries.size()) {
        ++links.current;
        return true;
    }
    return false;
}
