// The COM server kit inside this test program: the class factory with and
// without aggregation, the module count, IDispatch from the embedded type
// library, and registration from the embedded script into the real registry.

#include "common/com/class_factory.h"
#include "common/com/com_object.h"
#include "common/com/com_registration.h"
#include "common/com/type_library_dispatch.h"
#include "common/helpers/com_ptr.h"
#include "common/ports/registry_win32.h"
#include "kit_sample.h"
#include "tests/common/win/kit_sample_resource.h"
#include "tests/support/type_documentation.h"

#include <gtest/gtest.h>
#include <olectl.h>

#include <array>
#include <atomic>
#include <functional>
#include <new>
#include <span>

// Every allocation of this program goes through here, so a test can make
// them fail.
namespace {
std::atomic<bool> failAllocations = false;

// Allocations fail while one of these lives.
struct FailingAllocations {
    FailingAllocations() { failAllocations = true; }
    ~FailingAllocations() { failAllocations = false; }
};
}  // namespace

void* operator new(std::size_t size) {
    if (failAllocations) throw std::bad_alloc();
    if (void* memory = HeapAlloc(GetProcessHeap(), 0, size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    if (memory) HeapFree(GetProcessHeap(), 0, memory);
}
void operator delete(void* memory, std::size_t) noexcept { operator delete(memory); }

namespace {

class SampleCounter final
    : public ComObject<SampleCounter, TypeLibraryDispatch<ISampleCounter, IID_ISampleCounter>> {
public:
    explicit SampleCounter(IUnknown* outer) : ComObject(outer) {}

    static std::span<const InterfaceEntry<SampleCounter>> Interfaces() {
        static const InterfaceEntry<SampleCounter> table[] = {
            {&IID_ISampleCounter, InterfaceOf<SampleCounter, ISampleCounter>},
            {&IID_IDispatch, InterfaceOf<SampleCounter, ISampleCounter>},
        };
        return table;
    }

    HRESULT STDMETHODCALLTYPE Add(long amount) override {
        total_ += amount;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Total(long* total) override {
        *total = total_;
        return S_OK;
    }

private:
    ~SampleCounter() override = default;
    long total_ = 0;
};

const ComClass kClasses[] = {
    {&CLSID_SampleCounter, SampleCounter::Create, Aggregation::Allowed},
};
// The same class, for a library that refuses to be aggregated.
const CLSID kRefusingClsid = {
    0x5c0e2b6a, 0x51d1, 0x4f43, {0x9e, 0x1d, 0x3a, 0x52, 0x6b, 0x7f, 0x10, 0x01}};
const ComClass kRefusingClasses[] = {
    {&kRefusingClsid, SampleCounter::Create, Aggregation::Refused},
};

ComPtr<IClassFactory> FactoryFor(std::span<const ComClass> classes, REFCLSID clsid) {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(GetClassObject(classes, clsid, IID_IClassFactory, factory.PutVoid()), S_OK);
    return factory;
}

// An outer object that aggregates the counter and counts its own references.
class Outer final : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** result) override {
        if (IsEqualIID(riid, IID_IUnknown)) {
            *result = this;
            AddRef();
            return S_OK;
        }
        return inner.Get()->QueryInterface(riid, result);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    ComPtr<IUnknown> inner;
    ULONG references = 1;
};

TEST(ComKit, FactoryCreatesObjectsAndKeepsTheModuleLoaded) {
    EXPECT_TRUE(ComModule::CanUnload());
    ComPtr<IClassFactory> factory = FactoryFor(kClasses, CLSID_SampleCounter);
    ASSERT_TRUE(factory);
    EXPECT_FALSE(ComModule::CanUnload());

    ComPtr<ISampleCounter> counter;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_ISampleCounter, counter.PutVoid()), S_OK);
    factory.Reset();
    EXPECT_FALSE(ComModule::CanUnload());
    counter.Reset();
    EXPECT_TRUE(ComModule::CanUnload());

    factory = FactoryFor(kClasses, CLSID_SampleCounter);
    factory->LockServer(TRUE);
    factory.Reset();
    EXPECT_FALSE(ComModule::CanUnload());
    FactoryFor(kClasses, CLSID_SampleCounter)->LockServer(FALSE);
    EXPECT_TRUE(ComModule::CanUnload());

    void* nothing = &nothing;
    EXPECT_EQ(GetClassObject(kClasses, kRefusingClsid, IID_IClassFactory, &nothing),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(nothing, nullptr);
}

TEST(ComKit, ObjectsHaveOneIdentityAndAnswerOnlyTheirInterfaces) {
    ComPtr<IUnknown> object;
    ASSERT_EQ(SampleCounter::Create(nullptr, IID_IUnknown, object.PutVoid()), S_OK);
    ComPtr<ISampleCounter> counter;
    ComPtr<IDispatch> dispatch;
    ComPtr<IUnknown> identity;
    ASSERT_EQ(object->QueryInterface(IID_ISampleCounter, counter.PutVoid()), S_OK);
    ASSERT_EQ(counter->QueryInterface(IID_IDispatch, dispatch.PutVoid()), S_OK);
    ASSERT_EQ(dispatch->QueryInterface(IID_IUnknown, identity.PutVoid()), S_OK);
    EXPECT_EQ(identity.Get(), object.Get());
    EXPECT_EQ(static_cast<void*>(dispatch.Get()), static_cast<void*>(counter.Get()));

    ComPtr<IClassFactory> none;
    EXPECT_EQ(object->QueryInterface(IID_IClassFactory, none.PutVoid()), E_NOINTERFACE);
    EXPECT_FALSE(none);
}

TEST(ComKit, AggregationIsOfferedForIUnknownOnlyAndWhereAllowed) {
    Outer outer;
    ComPtr<ISampleCounter> counter;
    EXPECT_EQ(FactoryFor(kClasses, CLSID_SampleCounter)
                  ->CreateInstance(&outer, IID_ISampleCounter, counter.PutVoid()),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(FactoryFor(kRefusingClasses, kRefusingClsid)
                  ->CreateInstance(&outer, IID_IUnknown, outer.inner.PutVoid()),
              CLASS_E_NOAGGREGATION);
    EXPECT_FALSE(outer.inner);

    ASSERT_EQ(FactoryFor(kClasses, CLSID_SampleCounter)
                  ->CreateInstance(&outer, IID_IUnknown, outer.inner.PutVoid()),
              S_OK);
    ASSERT_EQ(outer.QueryInterface(IID_ISampleCounter, counter.PutVoid()), S_OK);
    // The inner object's interfaces count references on, and answer for, the
    // outer object.
    const ULONG held = outer.references;
    counter->AddRef();
    EXPECT_EQ(outer.references, held + 1);
    counter->Release();
    ComPtr<IUnknown> identity;
    ASSERT_EQ(counter->QueryInterface(IID_IUnknown, identity.PutVoid()), S_OK);
    EXPECT_EQ(identity.Get(), &outer);
    identity.Reset();
    counter.Reset();

    outer.inner.Reset();
    EXPECT_TRUE(ComModule::CanUnload());
}

TEST(ComKit, IDispatchComesFromTheEmbeddedTypeLibrary) {
    ComPtr<IDispatch> dispatch;
    ASSERT_EQ(SampleCounter::Create(nullptr, IID_IDispatch, dispatch.PutVoid()), S_OK);

    std::array<LPOLESTR, 1> add{const_cast<LPOLESTR>(L"Add")};
    std::array<LPOLESTR, 1> total{const_cast<LPOLESTR>(L"TOTAL")};
    std::array<LPOLESTR, 1> missing{const_cast<LPOLESTR>(L"Subtract")};
    DISPID addId = 0;
    DISPID totalId = 0;
    DISPID missingId = 0;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, add.data(), 1, 0, &addId), S_OK);
    EXPECT_EQ(addId, 1);
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, total.data(), 1, 0, &totalId), S_OK);
    EXPECT_EQ(totalId, 2);
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, missing.data(), 1, 0, &missingId),
              DISP_E_UNKNOWNNAME);

    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = 41;
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    EXPECT_EQ(dispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &parameters, nullptr, nullptr,
                               nullptr),
              S_OK);
    VARIANT result;
    VariantInit(&result);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    ASSERT_EQ(dispatch->Invoke(2, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                               nullptr),
              S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 41);

    ComPtr<ITypeInfo> info;
    ASSERT_EQ(dispatch->GetTypeInfo(0, 0, info.Put()), S_OK);
    EXPECT_EQ(DocumentationOf(*info.Get()),
              (TypeDocumentation{L"ISampleCounter", L"ISampleCounter Interface"}));
    EXPECT_EQ(dispatch->GetTypeInfo(1, 0, info.Put()), DISP_E_BADINDEX);
}

TEST(ComKit, IDispatchAnswersOutOfMemoryInsteadOfThrowing) {
    std::array<LPOLESTR, 1> add{const_cast<LPOLESTR>(L"Add")};
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    const std::function<HRESULT(IDispatch&)> calls[] = {
        [](IDispatch& dispatch) {
            ComPtr<ITypeInfo> info;
            return dispatch.GetTypeInfo(0, 0, info.Put());
        },
        [&](IDispatch& dispatch) {
            DISPID id = 0;
            return dispatch.GetIDsOfNames(IID_NULL, add.data(), 1, 0, &id);
        },
        [&](IDispatch& dispatch) {
            return dispatch.Invoke(2, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, nullptr, nullptr,
                                   nullptr);
        },
    };
    for (const auto& call : calls) {
        // A fresh object: its type information is loaded at the first call.
        ComPtr<IDispatch> dispatch;
        ASSERT_EQ(SampleCounter::Create(nullptr, IID_IDispatch, dispatch.PutVoid()), S_OK);
        HRESULT hr = S_OK;
        {
            const FailingAllocations failing;
            hr = call(*dispatch.Get());
        }
        EXPECT_EQ(hr, E_OUTOFMEMORY);
    }
}

class ComKitRegistration : public ::testing::Test {
protected:
    static constexpr auto kRoot = RegistryRoot::ClassesRoot;
    static constexpr wchar_t kClassKey[] = L"CLSID\\{D664BA40-E904-4C17-B21F-338B44B0BE6B}";
    static constexpr wchar_t kTypeLibKey[] = L"TypeLib\\{B60828AF-8C8F-408C-A348-9175DF06BE85}";

    void TearDown() override { UnregisterComServer(IDR_KIT_SAMPLE); }

    std::optional<std::wstring> Read(const std::wstring& path, const wchar_t* name = L"") {
        auto key = registry_.OpenKey(kRoot, path, false);
        return key ? key->ReadString(name) : std::nullopt;
    }
    bool Exists(const std::wstring& path) {
        return registry_.OpenKey(kRoot, path, false) != nullptr;
    }

    Win32Registry registry_;
};

TEST_F(ComKitRegistration, RegistersTheScriptAndTypeLibraryAndTakesThemBack) {
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);

    ASSERT_EQ(RegisterComServer(IDR_KIT_SAMPLE), S_OK);
    EXPECT_EQ(Read(L"KitSample.Counter"), L"SampleCounter Class");
    EXPECT_EQ(Read(L"KitSample.Counter\\CLSID"), L"{D664BA40-E904-4C17-B21F-338B44B0BE6B}");
    EXPECT_EQ(Read(std::wstring(kClassKey) + L"\\InprocServer32"), program);
    EXPECT_EQ(Read(std::wstring(kClassKey) + L"\\InprocServer32", L"ThreadingModel"),
              L"Apartment");
    EXPECT_EQ(Read(std::wstring(kTypeLibKey) + L"\\1.0"), L"KitSample 1.0 Type Library");

    EXPECT_EQ(UnregisterComServer(IDR_KIT_SAMPLE), S_OK);
    EXPECT_FALSE(Exists(L"KitSample.Counter"));
    EXPECT_FALSE(Exists(kClassKey));
    EXPECT_FALSE(Exists(kTypeLibKey));
    EXPECT_TRUE(Exists(L"CLSID"));

    // Nothing left to remove is no failure.
    EXPECT_EQ(UnregisterComServer(IDR_KIT_SAMPLE), S_OK);
}

TEST_F(ComKitRegistration, AScriptThatIsNotThereRegistersNothing) {
    EXPECT_EQ(RegisterComServer(999), SELFREG_E_CLASS);
    EXPECT_EQ(UnregisterComServer(999), SELFREG_E_CLASS);
    EXPECT_FALSE(Exists(kTypeLibKey));
}

}  // namespace
