// The toolbar button's handler object as the browser uses it: created by
// ProgID from the registered library, given a site, asked for its commands'
// status and clicked, which starts the player from the folder it recorded.

#include "common/helpers/com_ptr.h"
#include "common/ports/registry_win32.h"
#include "host/player_settings.h"
#include "plinden.h"
#include "shell/orvane_app.h"
#include "tests/support/player_process.h"
#include "tests/support/type_documentation.h"

#include <gtest/gtest.h>
#include <docobj.h>
#include <shlobj.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr DWORD kStartTimeoutMs = 15000;
// Long enough for Wine to start a program that was asked for.
constexpr DWORD kNoStartWaitMs = 4000;
constexpr wchar_t kDefaultPlayer[] = L"C:\\Program Files\\VelmoraRadio 3.01 UK\\VelmoraRadio.exe";

// A browser site; it offers IInputObjectSite only when asked to.
class FakeSite final : public IInputObjectSite {
public:
    explicit FakeSite(bool inputObjectSite) : inputObjectSite_(inputObjectSite) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** result) override {
        *result = nullptr;
        if (IsEqualIID(riid, IID_IUnknown) ||
            (inputObjectSite_ && IsEqualIID(riid, IID_IInputObjectSite))) {
            *result = static_cast<IInputObjectSite*>(this);
            AddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE OnFocusChangeIS(IUnknown*, BOOL) override { return S_OK; }

    ULONG references = 1;

private:
    bool inputObjectSite_;
};

// Puts the stand-in player at a path and says whether it was started there.
class StandIn {
public:
    explicit StandIn(std::wstring path) : path_(std::move(path)) {
        fs::create_directories(fs::path(path_).parent_path());
        fs::remove(Marker());
        CopyFileW((TestProgramFolder() + L"plinden_stand_in_player.exe").c_str(), path_.c_str(),
                  FALSE);
    }
    ~StandIn() {
        std::error_code ignored;
        fs::remove(path_, ignored);
        fs::remove(Marker(), ignored);
    }

    bool WasStarted(DWORD timeoutMs = kStartTimeoutMs) const {
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        while (!FileExists(Marker())) {
            if (GetTickCount64() > deadline) return false;
            Sleep(100);
        }
        return true;
    }

private:
    std::wstring Marker() const { return path_ + L".started"; }
    std::wstring path_;
};

void RemoveDefaultFolder() {
    std::error_code ignored;
    fs::remove_all(fs::path(kDefaultPlayer).parent_path(), ignored);
}

std::wstring TempFolder(const wchar_t* name) {
    return (fs::temp_directory_path() / (std::wstring(L"velmora-plinden-") + name)).wstring();
}

using DllFunction = HRESULT(STDAPICALLTYPE*)();

class RadioSEHelperTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        library_ = LoadLibraryW((TestProgramFolder() + L"Plinden.dll").c_str());
        ASSERT_NE(library_, nullptr);
        ASSERT_EQ(Export("DllRegisterServer")(), S_OK);
    }
    static void TearDownTestSuite() {
        Export("DllUnregisterServer")();
        FreeLibrary(library_);
    }
    static DllFunction Export(const char* name) {
        return reinterpret_cast<DllFunction>(
            reinterpret_cast<void (*)()>(GetProcAddress(library_, name)));
    }

    void SetUp() override {
        registry_.DeleteKeyTree(RegistryRoot::CurrentUser, kPlayerKey);
        CLSID clsid{};
        ASSERT_EQ(CLSIDFromProgID(L"Plinden.RadioSEHelper", &clsid), S_OK);
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleCommandTarget,
                                   target_.PutVoid()),
                  S_OK);
    }
    void TearDown() override { registry_.DeleteKeyTree(RegistryRoot::CurrentUser, kPlayerKey); }

    void RecordFolder(const std::wstring& folder) {
        registry_.CreateKey(RegistryRoot::CurrentUser, kPlayerKey)
            ->WriteString(kRadioDirectoryValue, folder);
    }
    HRESULT Click() { return target_->Exec(nullptr, 0, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr); }

    static HMODULE library_;
    Win32Registry registry_;
    ComPtr<IOleCommandTarget> target_;
};

HMODULE RadioSEHelperTest::library_ = nullptr;

template <class Interface>
ComPtr<Interface> Query(IUnknown* object, REFIID riid) {
    ComPtr<Interface> result;
    EXPECT_EQ(object->QueryInterface(riid, result.PutVoid()), S_OK);
    return result;
}

TEST_F(RadioSEHelperTest, AnswersItsInterfacesWithOneIdentity) {
    CLSID versioned{};
    ASSERT_EQ(CLSIDFromProgID(L"Plinden.RadioSEHelper.1", &versioned), S_OK);
    EXPECT_TRUE(IsEqualCLSID(versioned, CLSID_RadioSEHelper));

    auto helper = Query<IRadioSEHelper>(target_.Get(), IID_IRadioSEHelper);
    auto withSite = Query<IObjectWithSite>(target_.Get(), IID_IObjectWithSite);
    auto dispatch = Query<IDispatch>(withSite.Get(), IID_IDispatch);
    auto identity = Query<IUnknown>(dispatch.Get(), IID_IUnknown);
    auto again = Query<IUnknown>(helper.Get(), IID_IUnknown);
    EXPECT_EQ(identity.Get(), again.Get());
    // IDispatch is the dual interface's own.
    EXPECT_EQ(static_cast<void*>(dispatch.Get()), static_cast<void*>(helper.Get()));

    ComPtr<IUnknown> none;
    EXPECT_EQ(target_->QueryInterface(IID_IInputObject, none.PutVoid()), E_NOINTERFACE);
    EXPECT_EQ(target_->QueryInterface(IID_IPersist, none.PutVoid()), E_NOINTERFACE);
}

TEST_F(RadioSEHelperTest, DispatchAndTypeLibraryCarryTheNamesAndHelpStrings) {
    auto dispatch = Query<IDispatch>(target_.Get(), IID_IDispatch);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(dispatch->GetTypeInfo(0, 0, info.Put()), S_OK);
    EXPECT_EQ(DocumentationOf(*info.Get()),
              (TypeDocumentation{L"IRadioSEHelper", L"IRadioSEHelper Interface"}));

    ComPtr<ITypeLib> library;
    UINT index = 0;
    ASSERT_EQ(info->GetContainingTypeLib(library.Put(), &index), S_OK);
    EXPECT_EQ(DocumentationOf(*library.Get(), -1),
              (TypeDocumentation{L"PLINDENLib", L"Plinden 1.0 Type Library"}));
    ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(library->GetTypeInfoOfGuid(CLSID_RadioSEHelper, coclass.Put()), S_OK);
    EXPECT_EQ(DocumentationOf(*coclass.Get()),
              (TypeDocumentation{L"RadioSEHelper", L"RadioSEHelper Class"}));

    LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"Play")};
    DISPID id = 0;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, unknown, 1, 0, &id), DISP_E_UNKNOWNNAME);
}

TEST_F(RadioSEHelperTest, AggregationOnlyThroughIUnknownAndTheLibraryUnloadsWhenUnused) {
    FakeSite outer(false);
    ComPtr<IUnknown> inner;
    EXPECT_EQ(CoCreateInstance(CLSID_RadioSEHelper, &outer, CLSCTX_INPROC_SERVER, IID_IDispatch,
                               inner.PutVoid()),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(CoCreateInstance(CLSID_RadioSEHelper, &outer, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               inner.PutVoid()),
              S_OK);

    EXPECT_EQ(Export("DllCanUnloadNow")(), S_FALSE);
    inner.Reset();
    target_.Reset();
    EXPECT_EQ(Export("DllCanUnloadNow")(), S_OK);
}

TEST_F(RadioSEHelperTest, SiteIsHeldOnlyWhenItOffersIInputObjectSite) {
    auto withSite = Query<IObjectWithSite>(target_.Get(), IID_IObjectWithSite);
    ComPtr<IUnknown> held;

    FakeSite plain(false);
    EXPECT_EQ(withSite->SetSite(&plain), E_FAIL);
    EXPECT_EQ(plain.references, 1u);
    void* out = &out;
    EXPECT_EQ(withSite->GetSite(IID_IUnknown, &out), E_FAIL);
    EXPECT_EQ(out, nullptr);

    FakeSite site(true);
    EXPECT_EQ(withSite->SetSite(&site), S_OK);
    EXPECT_EQ(site.references, 2u);
    ASSERT_EQ(withSite->GetSite(IID_IInputObjectSite, held.PutVoid()), S_OK);
    EXPECT_EQ(static_cast<void*>(held.Get()), static_cast<IInputObjectSite*>(&site));
    held.Reset();

    EXPECT_EQ(withSite->SetSite(nullptr), S_OK);
    EXPECT_EQ(site.references, 1u);
    EXPECT_EQ(withSite->GetSite(IID_IUnknown, held.PutVoid()), E_FAIL);

    // A site without the interface also lets go of the one held before.
    ASSERT_EQ(withSite->SetSite(&site), S_OK);
    EXPECT_EQ(withSite->SetSite(&plain), E_FAIL);
    EXPECT_EQ(site.references, 1u);
}

TEST_F(RadioSEHelperTest, EveryCommandAskedAboutIsEnabled) {
    OLECMD commands[3] = {{1, 0}, {OLECMDID_REFRESH, OLECMDF_LATCHED}, {0xBEEF, 0}};
    EXPECT_EQ(target_->QueryStatus(nullptr, 3, commands, nullptr), S_OK);
    for (const auto& command : commands) EXPECT_EQ(command.cmdf, DWORD{OLECMDF_ENABLED});

    const GUID group = CLSID_RadioSEHelper;
    OLECMD one{7, 0};
    EXPECT_EQ(target_->QueryStatus(&group, 1, &one, nullptr), S_OK);
    EXPECT_EQ(one.cmdf, DWORD{OLECMDF_ENABLED});
    EXPECT_EQ(target_->QueryStatus(nullptr, 0, nullptr, nullptr), S_OK);
}

TEST_F(RadioSEHelperTest, AClickStartsThePlayerFromTheRecordedFolder) {
    const std::wstring folder = TempFolder(L"recorded") + L"\\";
    StandIn player(folder + L"VelmoraRadio.exe");
    RecordFolder(folder);
    EXPECT_EQ(Click(), S_OK);
    EXPECT_TRUE(player.WasStarted());
}

TEST_F(RadioSEHelperTest, AFolderWithoutItsBackslashRunsIntoTheFileName) {
    const std::wstring folder = TempFolder(L"bare");
    StandIn player(folder + L"VelmoraRadio.exe");
    RecordFolder(folder);
    EXPECT_EQ(Click(), S_OK);
    EXPECT_TRUE(player.WasStarted());
}

TEST_F(RadioSEHelperTest, WithoutThePlayersKeyItIsCreatedAndTheDefaultFolderTried) {
    StandIn player{std::wstring(kDefaultPlayer)};
    EXPECT_EQ(Click(), S_OK);
    EXPECT_TRUE(player.WasStarted());
    EXPECT_NE(registry_.OpenKey(RegistryRoot::CurrentUser, kPlayerKey, false), nullptr);
    RemoveDefaultFolder();
}

TEST_F(RadioSEHelperTest, AFolderThatIsNotAStringGivesWayToTheDefault) {
    StandIn player{std::wstring(kDefaultPlayer)};
    registry_.CreateKey(RegistryRoot::CurrentUser, kPlayerKey)
        ->WriteDword(kRadioDirectoryValue, 0x5C3A43);  // "C:\" as bytes
    EXPECT_EQ(Click(), S_OK);
    EXPECT_TRUE(player.WasStarted());
    RemoveDefaultFolder();
}

TEST_F(RadioSEHelperTest, AFolderStoredWithoutATerminatorIsReadToItsEndOnly) {
    const std::wstring folder = TempFolder(L"unterminated") + L"\\";
    StandIn player(folder + L"VelmoraRadio.exe");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kPlayerKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, kRadioDirectoryValue, 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(folder.data()),
                   static_cast<DWORD>(folder.size() * sizeof(wchar_t)));
    RegCloseKey(key);
    EXPECT_EQ(Click(), S_OK);
    EXPECT_TRUE(player.WasStarted());
}

int CountVisibleTopLevelWindows() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM counter) -> BOOL {
            if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST_F(RadioSEHelperTest, AMissingPlayerIsNoErrorAndNoOtherPlayerStandsIn) {
    StandIn fallback{std::wstring(kDefaultPlayer)};
    RecordFolder(TempFolder(L"nowhere") + L"\\");
    const int windowsBefore = CountVisibleTopLevelWindows();
    EXPECT_EQ(Click(), S_OK);
    EXPECT_FALSE(fallback.WasStarted(kNoStartWaitMs)) << "the default folder's player started";
    EXPECT_EQ(CountVisibleTopLevelWindows(), windowsBefore) << "the failed start showed a window";
    RemoveDefaultFolder();
}

TEST_F(RadioSEHelperTest, AClickStartsTheRealPlayer) {
    PlayerCopy copy(L"plinden-click");
    RecordFolder(copy.Folder());
    EXPECT_EQ(Click(), S_OK);
    HWND window = WaitForWindow(kMainWindowTitle);
    ASSERT_NE(window, nullptr);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    ScopedHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION |
                                         PROCESS_TERMINATE,
                                     FALSE, processId));
    ASSERT_TRUE(process);
    wchar_t image[MAX_PATH * 2];
    DWORD length = MAX_PATH * 2;
    ASSERT_TRUE(QueryFullProcessImageNameW(process.Get(), 0, image, &length));
    EXPECT_EQ(CompareStringOrdinal(image, static_cast<int>(length),
                                   (copy.Folder() + L"VelmoraRadio.exe").c_str(), -1, TRUE),
              CSTR_EQUAL);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(process.Get()), 0u);
}

}  // namespace
