#include "shell/get_directx_version.h"

#include "common/helpers/com_initialisation.h"
#include "common/helpers/com_ptr.h"

#include <dxdiag.h>
#include <windows.h>

#include <system_error>
#include <vector>

namespace {

const CLSID kDxDiagProvider = {
    0xa65b8071, 0x3bfe, 0x4213, {0x9a, 0x5b, 0x49, 0x1d, 0xa4, 0x46, 0x1c, 0xa7}};
const IID kIDxDiagProvider = {
    0x9c6b4cb0, 0x23f8, 0x49cc, {0xa3, 0xed, 0x45, 0xa5, 0x50, 0x00, 0xa6, 0xd2}};
constexpr DWORD kDxDiagHeaderVersion = 111;

std::optional<VARIANT> Property(IDxDiagContainer& container, const wchar_t* name, VARTYPE type) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(container.GetProp(name, &value))) return std::nullopt;
    if (value.vt != type) {
        VariantClear(&value);
        return std::nullopt;
    }
    return value;
}

std::optional<DirectXVersion> FromDiagnostics() {
    ComInitialisation com;
    ComPtr<IDxDiagProvider> provider;
    if (FAILED(CoCreateInstance(kDxDiagProvider, nullptr, CLSCTX_INPROC_SERVER, kIDxDiagProvider,
                                provider.PutVoid())))
        return std::nullopt;
    DXDIAG_INIT_PARAMS parameters{};
    parameters.dwSize = sizeof(parameters);
    parameters.dwDxDiagHeaderVersion = kDxDiagHeaderVersion;
    parameters.bAllowWHQLChecks = FALSE;
    ComPtr<IDxDiagContainer> root, system;
    if (FAILED(provider->Initialize(&parameters)) ||
        FAILED(provider->GetRootContainer(root.Put())) ||
        FAILED(root->GetChildContainer(L"DxDiag_SystemInfo", system.Put())))
        return std::nullopt;
    const auto major = Property(*system.Get(), L"dwDirectXVersionMajor", VT_UI4);
    const auto minor = Property(*system.Get(), L"dwDirectXVersionMinor", VT_UI4);
    auto letter = Property(*system.Get(), L"szDirectXVersionLetter", VT_BSTR);
    if (!major || !minor || !letter) {
        if (letter) VariantClear(&*letter);
        return std::nullopt;
    }
    const wchar_t first = letter->bstrVal ? letter->bstrVal[0] : L'\0';
    VariantClear(&*letter);
    return MakeDirectXVersion(major->ulVal, minor->ulVal, first);
}

std::optional<FileVersion> VersionOfFile(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return std::nullopt;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    return FileVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                       HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
}

std::optional<DirectXVersion> FromSystemFiles() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    const std::wstring systemFolder = std::wstring(folder, length) + L'\\';
    return DirectXVersionFromFiles([&systemFolder](std::wstring_view file) {
        return VersionOfFile(systemFolder + std::wstring(file));
    });
}

std::optional<DirectXVersion> FindDirectXVersion() {
    // The diagnostics are slow and load the whole 3-D stack into the player
    // for good. Only the 95/98/Me family, where the version decides whether
    // the recorder can run, needs their answer; on NT only a failed
    // detection matters, and the files tell that as well.
    if (IsWindows9xFamily(GetVersion())) {
        if (auto version = FromDiagnostics()) return version;
    }
    return FromSystemFiles();
}

}  // namespace

std::optional<DirectXVersion> GetDirectXVersion() {
    // DirectX does not change under a running player.
    static const std::optional<DirectXVersion> version = FindDirectXVersion();
    return version;
}

void DirectXVersionLookup::Start() {
    if (thread_.joinable()) return;
    try {
        thread_ = std::thread([] { GetDirectXVersion(); });
    } catch (const std::system_error&) {
        // Without a thread the first click asks itself.
    }
}

DirectXVersionLookup::~DirectXVersionLookup() {
    if (thread_.joinable()) thread_.join();
}
