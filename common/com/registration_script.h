#pragma once
// The registration script that a COM server carries as its REGISTRY resource:
// the keys it writes when it is registered and removes when it is not.
//
//     HKCR
//     {
//         Plinden.RadioSEHelper = s 'RadioSEHelper Class'
//         {
//             CurVer = s 'Plinden.RadioSEHelper.1'
//         }
//         NoRemove CLSID
//         {
//             ForceRemove {1EC035CE-090E-4AF7-B6DF-AD11C2F0F9C9} = s 'RadioSEHelper Class'
//             {
//                 InprocServer32 = s '%MODULE%'
//                 {
//                     val ThreadingModel = s 'Apartment'
//                 }
//             }
//         }
//     }
//
// A root (HKCR, HKCU, HKLM or their long names) holds keys. A key may have a
// default value (`= s 'text'` or `= d 123`) and a block of subkeys and named
// values (`val Name = s 'text'`). `ForceRemove` replaces the key whole when
// registering; `NoRemove` keeps it when unregistering. Names and texts may be
// quoted with single quotes ('' stands for one quote). `%NAME%` in a name or
// a text is replaced by the caller's value for NAME, and `%%` by one percent
// sign. Tokens are separated by white space; `=` needs none around it.

#include "common/ports/registry.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct ScriptValue {
    std::wstring name;  // empty for the key's default value
    std::variant<std::wstring, std::uint32_t> data;
};

enum class KeyRemoval {
    WithScript,   // removed unless keys the script does not name are left below it
    ForceRemove,  // replaced whole when registering, removed whole when unregistering
    NoRemove,     // never removed itself; the script's keys below it are
};

struct ScriptKey {
    std::wstring name;
    KeyRemoval removal = KeyRemoval::WithScript;
    std::vector<ScriptValue> values;  // the default value, if any, comes first
    std::vector<ScriptKey> subkeys;
};

struct ScriptRoot {
    RegistryRoot root;
    std::vector<ScriptKey> keys;
};

struct RegistrationScript {
    std::vector<ScriptRoot> roots;
};

struct ScriptParseResult {
    std::optional<RegistrationScript> script;  // nothing when the text is malformed
    std::size_t errorLine = 0;                 // 1-based, where parsing stopped
    std::string error;
};

// The replacements for %NAME%, keyed by NAME (compared exactly).
using ScriptReplacements = std::map<std::wstring, std::wstring, std::less<>>;

ScriptParseResult ParseRegistrationScript(std::wstring_view text,
                                          const ScriptReplacements& replacements);
