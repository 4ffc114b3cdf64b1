#pragma once
// The reference counting and identity that every COM class of our servers
// shares, including aggregation: derive the class from
// ComObject<Class, Interfaces...>, give it a constructor taking the outer
// object (null when it is not aggregated), a private destructor, and a static
// Interfaces() table in the order in which QueryInterface answers.
//
// When aggregated, the IUnknown methods of every interface go to the outer
// object, which alone holds the inner unknown: that one keeps the reference
// count and answers for the inner object's interfaces. Otherwise the inner
// unknown is the object's identity and the interfaces go to it.

#include "common/com/com_module.h"

#include <windows.h>
#include <unknwn.h>

#include <new>
#include <span>

template <class Object>
struct InterfaceEntry {
    const IID* iid;
    void* (*cast)(Object* object);
};

// For the Interfaces() table: the object seen as one of its interfaces.
template <class Object, class Interface>
void* InterfaceOf(Object* object) {
    return static_cast<Interface*>(object);
}

template <class Object, class... InterfaceBases>
class ComObject : public InterfaceBases... {
public:
    // Creates an object and asks it for riid; the class factory's work.
    static HRESULT Create(IUnknown* outer, REFIID riid, void** result) {
        *result = nullptr;
        // std::nothrow covers only the allocation: a constructor that fails to
        // allocate must not throw out of the class factory either.
        Object* object = nullptr;
        try {
            object = new (std::nothrow) Object(outer);
        } catch (...) {
            return E_OUTOFMEMORY;
        }
        if (!object) return E_OUTOFMEMORY;
        IUnknown& inner = static_cast<ComObject*>(object)->inner_;
        const HRESULT hr = inner.QueryInterface(riid, result);
        inner.Release();
        return hr;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** result) override {
        return controlling_->QueryInterface(riid, result);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return controlling_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return controlling_->Release(); }

protected:
    explicit ComObject(IUnknown* outer) : inner_(*this), controlling_(outer ? outer : &inner_) {}
    virtual ~ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

private:
    class InnerUnknown final : public IUnknown {
    public:
        explicit InnerUnknown(ComObject& owner) : owner_(owner) {}

        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** result) override {
            if (!result) return E_POINTER;
            *result = nullptr;
            if (IsEqualIID(riid, IID_IUnknown)) {
                *result = static_cast<IUnknown*>(this);
            } else {
                auto* object = static_cast<Object*>(&owner_);
                for (const auto& entry : Object::Interfaces()) {
                    if (IsEqualIID(riid, *entry.iid)) {
                        *result = entry.cast(object);
                        break;
                    }
                }
            }
            if (!*result) return E_NOINTERFACE;
            static_cast<IUnknown*>(*result)->AddRef();
            return S_OK;
        }

        ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }

        ULONG STDMETHODCALLTYPE Release() override {
            const LONG left = InterlockedDecrement(&references_);
            if (left == 0) delete &owner_;  // the destructor is virtual
            return left;
        }

    private:
        ComObject& owner_;
        LONG volatile references_ = 1;  // the creator's, given up in Create
    };

    InnerUnknown inner_;
    IUnknown* controlling_;  // not owned: the outer object or inner_
    ModuleReference module_;
};
