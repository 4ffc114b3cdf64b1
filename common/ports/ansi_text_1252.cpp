#include "common/ports/ansi_text.h"

#include "common/helpers/windows_1252.h"

std::wstring AnsiToWide(std::string_view bytes) {
    return Windows1252ToWide(bytes);
}

std::string WideToAnsi(std::wstring_view text) {
    return WideToWindows1252(text);
}
