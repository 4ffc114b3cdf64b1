// Marquel.dll as a COM server under Wine: registration with regsvr32 checked
// with reg query, its type library, aggregation and unloading, and a JScript
// client under cscript.

#include "tests/ticker/win/marquel_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr wchar_t kClassKey[] = L"HKCR\\CLSID\\{2F1FA8D1-0A7B-4852-A09F-96FFD1F1AF06}";
constexpr wchar_t kTypeLibKey[] = L"HKCR\\TypeLib\\{F65B6B13-2186-4C9E-BA66-B941B0D43447}";

TEST_F(Marquel, RegistrationWritesItsTableAndTakesItBack) {
    const auto progId = RunChecked(L"reg query HKCR\\Marquel.TickerCtrl /s");
    EXPECT_EQ(progId.exitCode, 0u);
    EXPECT_NE(progId.output.find("TickerCtrl Class"), std::string::npos);
    EXPECT_NE(progId.output.find("Marquel.TickerCtrl\\CurVer"), std::string::npos);
    EXPECT_NE(progId.output.find("Marquel.TickerCtrl.1"), std::string::npos);
    EXPECT_NE(progId.output.find("{2F1FA8D1-0A7B-4852-A09F-96FFD1F1AF06}"), std::string::npos);
    const auto versioned = RunChecked(L"reg query HKCR\\Marquel.TickerCtrl.1\\CLSID");
    EXPECT_NE(versioned.output.find("{2F1FA8D1-0A7B-4852-A09F-96FFD1F1AF06}"), std::string::npos);

    const auto classKey = RunChecked(L"reg query " + Quoted(kClassKey) + L" /s");
    EXPECT_EQ(classKey.exitCode, 0u);
    for (const char* expected :
         {"TickerCtrl Class", "\\ProgID", "Marquel.TickerCtrl.1", "\\VersionIndependentProgID",
          "\\Programmable", "\\InprocServer32", "ThreadingModel", "Apartment", "\\TypeLib",
          "{F65B6B13-2186-4C9E-BA66-B941B0D43447}"}) {
        EXPECT_NE(classKey.output.find(expected), std::string::npos) << expected;
    }
    EXPECT_NE(classKey.output.find(fs::path(library_).string()), std::string::npos);
    EXPECT_EQ(RunChecked(L"reg query " + Quoted(std::wstring(kTypeLibKey) + L"\\1.0")).exitCode,
              0u);

    ASSERT_EQ(RunChecked(L"regsvr32 /u /s " + Quoted(library_)).exitCode, 0u);
    EXPECT_NE(RunChecked(L"reg query HKCR\\Marquel.TickerCtrl").exitCode, 0u);
    EXPECT_NE(RunChecked(L"reg query HKCR\\Marquel.TickerCtrl.1").exitCode, 0u);
    EXPECT_NE(RunChecked(L"reg query " + Quoted(kClassKey)).exitCode, 0u);
    EXPECT_NE(RunChecked(L"reg query " + Quoted(kTypeLibKey)).exitCode, 0u);
    EXPECT_EQ(RunChecked(L"reg query HKCR\\CLSID /ve").exitCode, 0u);

    ASSERT_EQ(RunChecked(L"regsvr32 /s " + Quoted(library_)).exitCode, 0u);
}

TEST_F(Marquel, TheTypeLibraryDescribesTheDualInterface) {
    ComPtr<ITypeLib> library;
    ASSERT_EQ(LoadRegTypeLib(LIBID_MARQUELLib, 1, 0, 0, library.Put()), S_OK);
    Bstr name;
    Bstr help;
    ASSERT_EQ(library->GetDocumentation(-1, name.Put(), help.Put(), nullptr, nullptr), S_OK);
    EXPECT_EQ(name.Text(), L"MARQUELLib");
    EXPECT_EQ(help.Text(), L"Marquel 1.0 Type Library");

    ComPtr<ITypeInfo> dispatchSide;
    ASSERT_EQ(library->GetTypeInfoOfGuid(IID_ITickerCtrl, dispatchSide.Put()), S_OK);
    HREFTYPE vtableReference = 0;
    ASSERT_EQ(dispatchSide->GetRefTypeOfImplType(-1, &vtableReference), S_OK);
    ComPtr<ITypeInfo> vtableSide;
    ASSERT_EQ(dispatchSide->GetRefTypeInfo(vtableReference, vtableSide.Put()), S_OK);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(vtableSide->GetTypeAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->typekind, TKIND_INTERFACE);
    EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FDUAL);
    EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
    ASSERT_EQ(attributes->cFuncs, 4);
    vtableSide->ReleaseTypeAttr(attributes);

    const wchar_t* const names[] = {L"ShowWindow", L"IsVisible", L"SetChannel", L"SetDravikHall"};
    const wchar_t* const helps[] = {L"method ShowWindow", L"property IsVisible",
                                    L"method SetChannel", L"method SetDravikHall"};
    for (UINT i = 0; i < 4; ++i) {
        FUNCDESC* function = nullptr;
        ASSERT_EQ(vtableSide->GetFuncDesc(i, &function), S_OK);
        // After the seven methods of IDispatch, in this order.
        EXPECT_EQ(function->memid, static_cast<MEMBERID>(i + 1));
        EXPECT_EQ(function->oVft, static_cast<SHORT>((7 + i) * sizeof(void*)));
        EXPECT_EQ(function->invkind, i == 1 ? INVOKE_PROPERTYGET : INVOKE_FUNC);
        ASSERT_EQ(vtableSide->GetDocumentation(function->memid, name.Put(), help.Put(), nullptr,
                                               nullptr),
                  S_OK);
        EXPECT_EQ(name.Text(), names[i]);
        EXPECT_EQ(help.Text(), helps[i]);
        vtableSide->ReleaseFuncDesc(function);
    }
}

// An outer object that aggregates the ticker.
class Outer final : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** result) override {
        if (IsEqualIID(riid, IID_IUnknown)) {
            *result = this;
            return S_OK;
        }
        return inner.Get()->QueryInterface(riid, result);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    ComPtr<IUnknown> inner;
};

TEST_F(Marquel, CanBeAggregatedAndUnloadsWhenNothingHoldsIt) {
    HMODULE module = LoadLibraryW(library_.c_str());
    ASSERT_NE(module, nullptr);
    using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    const auto canUnloadNow = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "DllCanUnloadNow")));
    const auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "DllGetClassObject")));
    ASSERT_TRUE(canUnloadNow && getClassObject);
    EXPECT_EQ(canUnloadNow(), S_OK);

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(getClassObject(CLSID_TickerCtrl, IID_IClassFactory, factory.PutVoid()), S_OK);
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    Outer outer;
    ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, outer.inner.PutVoid()), S_OK);
    factory.Reset();
    ComPtr<ITickerCtrl> ticker;
    ASSERT_EQ(outer.QueryInterface(IID_ITickerCtrl, ticker.PutVoid()), S_OK);
    long visible = -1;
    EXPECT_EQ(ticker->get_IsVisible(&visible), S_OK);
    EXPECT_EQ(visible, 0);
    ComPtr<IUnknown> identity;
    ASSERT_EQ(ticker->QueryInterface(IID_IUnknown, identity.PutVoid()), S_OK);
    EXPECT_EQ(identity.Get(), &outer);
    identity.Reset();
    ticker.Reset();
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    outer.inner.Reset();
    EXPECT_EQ(canUnloadNow(), S_OK);
    FreeLibrary(module);
}

TEST_F(Marquel, AJScriptClientShowsHidesAndLeavesItsSettings) {
    const fs::path script = folder_ / L"client.js";
    WriteBytes(script,
                   "var ticker = new ActiveXObject(\"Marquel.TickerCtrl\");\n"
                   "WScript.Echo(\"created visible=\" + ticker.IsVisible);\n"
                   "ticker.ShowWindow(5);\n"
                   "WScript.Echo(\"shown visible=\" + (ticker.IsVisible != 0));\n"
                   "ticker.SetChannel(\"News\");\n"
                   "ticker.ShowWindow(0);\n"
                   "WScript.Echo(\"hidden visible=\" + ticker.IsVisible);\n");
    const auto client = RunChecked(L"cscript //nologo " + Quoted(script.wstring()));
    EXPECT_EQ(client.exitCode, 0u) << client.output;
    EXPECT_NE(client.output.find("created visible=0"), std::string::npos) << client.output;
    EXPECT_NE(client.output.find("shown visible=true"), std::string::npos) << client.output;
    EXPECT_NE(client.output.find("hidden visible=0"), std::string::npos) << client.output;

    const auto delay = RunChecked(L"reg query " + Quoted(kTickerKey) + L" /v TickerDelay");
    EXPECT_NE(delay.output.find("0x1a"), std::string::npos) << delay.output;
    const auto channel = RunChecked(L"reg query " + Quoted(kTickerKey) + L" /v TickerChannel");
    EXPECT_NE(channel.output.find("0xffffffff"), std::string::npos) << channel.output;
}


}  // namespace
