#include "tests/support/console_command.h"

#include "common/helpers/scoped_handle.h"
#include "tests/support/player_process.h"

#include <windows.h>

std::optional<CommandResult> RunCommand(const std::wstring& commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return std::nullopt;
    ScopedHandle reader(readEnd);
    ScopedHandle writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::wstring mutableLine = commandLine;
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process)) {
        return std::nullopt;
    }
    CloseHandle(process.hThread);
    ScopedHandle child(process.hProcess);
    writer.Close();  // the child holds the only write end now

    CommandResult result;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(reader.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        result.output.append(buffer, read);
    }
    const auto exitCode = WaitForExit(child.Get());
    if (!exitCode) return std::nullopt;
    result.exitCode = *exitCode;
    return result;
}
