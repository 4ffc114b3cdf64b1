#include "ticker/ticker_paths.h"

#include "common/helpers/player_program_name.h"
#include "common/helpers/text_case.h"

std::wstring WithExtension(std::wstring_view path, std::wstring_view extension) {
    const std::size_t nameStart = path.find_last_of(L"\\/");
    const std::size_t dot = path.rfind(L'.');
    const bool hasExtension =
        dot != std::wstring_view::npos && (nameStart == std::wstring_view::npos || dot > nameStart);
    std::wstring result(hasExtension ? path.substr(0, dot) : path);
    result += extension;
    return result;
}

bool IsPlayerBesideLibrary(std::wstring_view program, std::wstring_view library) {
    const std::size_t programName = program.find_last_of(L"\\/");
    const std::size_t libraryName = library.find_last_of(L"\\/");
    if (programName == std::wstring_view::npos || libraryName == std::wstring_view::npos)
        return false;
    return EqualsIgnoringCase(program.substr(0, programName), library.substr(0, libraryName)) &&
           EqualsIgnoringCase(program.substr(programName + 1), kPlayerProgramName);
}
