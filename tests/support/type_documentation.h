#pragma once
// The name and help string that a type library gives a type or itself, for
// the tests of our COM servers' type libraries.

#include "common/helpers/com_ptr.h"

#include <oaidl.h>

#include <string>

struct TypeDocumentation {
    std::wstring name;
    std::wstring help;
    bool operator==(const TypeDocumentation&) const = default;
};

// Member MEMBERID_NIL stands for the type itself; for a library, index -1
// stands for the library.
template <class TypeSource>
TypeDocumentation DocumentationOf(TypeSource& source, MEMBERID member = MEMBERID_NIL) {
    Bstr name;
    Bstr help;
    if (FAILED(source.GetDocumentation(member, name.Put(), help.Put(), nullptr, nullptr))) {
        return {};
    }
    return {name.Text(), help.Text()};
}
