#include "common/com/class_factory.h"

#include "common/com/com_module.h"

#include <new>

namespace {

class ClassFactory final : public IClassFactory {
public:
    explicit ClassFactory(const ComClass& comClass) : class_(comClass) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** result) override {
        if (!result) return E_POINTER;
        *result = nullptr;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IClassFactory)) {
            return E_NOINTERFACE;
        }
        *result = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }

    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid,
                                             void** result) override {
        if (!result) return E_POINTER;
        *result = nullptr;
        // An aggregated object can only hand its outer object the inner
        // unknown; any other interface would break the outer's identity.
        if (outer && (class_.aggregation == Aggregation::Refused ||
                      !IsEqualIID(riid, IID_IUnknown))) {
            return CLASS_E_NOAGGREGATION;
        }
        return class_.create(outer, riid, result);
    }

    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) {
            ComModule::AddRef();
        } else {
            ComModule::Release();
        }
        return S_OK;
    }

private:
    ~ClassFactory() = default;

    const ComClass& class_;  // an entry of the library's static table
    LONG volatile references_ = 1;
    ModuleReference module_;
};

}  // namespace

HRESULT GetClassObject(std::span<const ComClass> classes, REFCLSID clsid, REFIID riid,
                       void** result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    for (const auto& comClass : classes) {
        if (!IsEqualCLSID(clsid, *comClass.clsid)) continue;
        auto* factory = new (std::nothrow) ClassFactory(comClass);
        if (!factory) return E_OUTOFMEMORY;
        const HRESULT hr = factory->QueryInterface(riid, result);
        factory->Release();
        return hr;
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}
