#pragma once
// The demo site as the Windows tests reach it: served on loopback by
// scripts/with-site-server, which names its port in VELMORA_TEST_SITE_PORT
// (and its https ports, when asked for), and read from the source tree for
// comparison (Wine shows the Unix file system as drive Z:).

#include "tests/support/scratch_file.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>

// The port that an environment variable names, or empty.
inline std::wstring SitePort(const wchar_t* variable) {
    wchar_t port[16];
    const DWORD length = GetEnvironmentVariableW(variable, port, 16);
    if (length == 0 || length >= 16) return {};
    return std::wstring(port, length);
}

// "http://127.0.0.1:PORT/", or empty when no server was started.
inline std::wstring SiteUrl() {
    const std::wstring port = SitePort(L"VELMORA_TEST_SITE_PORT");
    return port.empty() ? port : L"http://127.0.0.1:" + port + L"/";
}

// "https://localhost:PORT/" for the site served with the certificate that
// `variable` names the port of (the trusted one unless told), or empty.
inline std::wstring SecureSiteUrl(const wchar_t* variable = L"VELMORA_TEST_SITE_HTTPS_PORT") {
    const std::wstring port = SitePort(variable);
    return port.empty() ? port : L"https://localhost:" + port + L"/";
}

// A loopback address where nothing answers.
inline std::wstring NothingListensUrl() {
    return L"http://127.0.0.1:1/";
}

// A site file as the server sends it, with the base URL filled in.
inline std::optional<std::string> SiteFile(const std::wstring& name) {
    std::wstring path = L"Z:" + std::wstring(VELMORA_SITE_DIR L"/public/") + name;
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::string base;
    for (wchar_t c : SiteUrl()) base.push_back(static_cast<char>(c));
    for (std::size_t at = text.find("{{BASE}}"); at != std::string::npos;
         at = text.find("{{BASE}}", at + base.size())) {
        text.replace(at, 8, base);
    }
    return text;
}

// A fresh folder for one test, standing in for the player's folder.
class TestFolder {
public:
    explicit TestFolder(const wchar_t* name)
        : folder_(std::filesystem::temp_directory_path() / (std::wstring(L"velmora-") + name)) {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // With its trailing backslash, as the player names its folder.
    std::wstring Path() const { return folder_.wstring() + L"\\"; }

    std::set<std::wstring> FileNames() const {
        std::set<std::wstring> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            names.insert(entry.path().filename().wstring());
        return names;
    }

private:
    std::filesystem::path folder_;
};
