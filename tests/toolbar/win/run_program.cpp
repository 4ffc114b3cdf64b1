#include "run_program.h"

#include "player_process.h"

std::optional<ProgramResult> RunProgram(std::wstring commandLine) {
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE reading = nullptr;
    HANDLE writing = nullptr;
    if (!CreatePipe(&reading, &writing, &inheritable, 0)) return std::nullopt;
    ScopedHandle readEnd(reading);
    ScopedHandle writeEnd(writing);
    SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writing;
    startup.hStdError = writing;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process)) {
        return std::nullopt;
    }
    ScopedHandle processHandle(process.hProcess);
    CloseHandle(process.hThread);
    // Only the child holds the writing end now, so the read ends with it.
    writeEnd.Close();

    ProgramResult result{};
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(reading, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        result.output.append(buffer, read);
    }
    const auto exitCode = WaitForExit(processHandle.Get());
    if (!exitCode) return std::nullopt;
    result.exitCode = *exitCode;
    return result;
}
