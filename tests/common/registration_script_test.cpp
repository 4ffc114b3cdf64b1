// The registration-script reader: what a well-formed script turns into, and
// that a malformed one is refused with the line where it went wrong.

#include "common/com/registration_script.h"

#include <gtest/gtest.h>

namespace {

const ScriptReplacements kModule{{L"MODULE", L"C:\\Program Files\\Velmora\\Plinden.dll"}};

ScriptParseResult Parse(std::wstring_view text) { return ParseRegistrationScript(text, kModule); }

std::wstring TextOf(const ScriptValue& value) { return std::get<std::wstring>(value.data); }

TEST(RegistrationScript, ReadsKeysValuesFlagsAndReplacements) {
    const auto parsed = Parse(LR"(
HKCR
{
    Sample.Thing = s 'Thing Class'
    NoRemove CLSID
    {
        ForceRemove {1EC035CE-090E-4AF7-B6DF-AD11C2F0F9C9} = s 'Thing Class'
        {
            ForceRemove Programmable
            InprocServer32 = s '%MODULE%'
            {
                val ThreadingModel = s 'Apartment'
                val Count=d 0x1F
            }
        }
    }
}
HKEY_CURRENT_USER { 'Odd Key' = s 'it''s 100%% done' }
)");
    ASSERT_TRUE(parsed.script) << parsed.error;
    const auto& roots = parsed.script->roots;
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_EQ(roots[0].root, RegistryRoot::ClassesRoot);
    ASSERT_EQ(roots[0].keys.size(), 2u);

    const ScriptKey& progId = roots[0].keys[0];
    EXPECT_EQ(progId.name, L"Sample.Thing");
    EXPECT_EQ(progId.removal, KeyRemoval::WithScript);
    ASSERT_EQ(progId.values.size(), 1u);
    EXPECT_EQ(progId.values[0].name, L"");
    EXPECT_EQ(TextOf(progId.values[0]), L"Thing Class");

    const ScriptKey& clsidRoot = roots[0].keys[1];
    EXPECT_EQ(clsidRoot.removal, KeyRemoval::NoRemove);
    EXPECT_TRUE(clsidRoot.values.empty());
    ASSERT_EQ(clsidRoot.subkeys.size(), 1u);
    const ScriptKey& clsid = clsidRoot.subkeys[0];
    EXPECT_EQ(clsid.name, L"{1EC035CE-090E-4AF7-B6DF-AD11C2F0F9C9}");
    EXPECT_EQ(clsid.removal, KeyRemoval::ForceRemove);
    ASSERT_EQ(clsid.subkeys.size(), 2u);
    EXPECT_EQ(clsid.subkeys[0].name, L"Programmable");
    EXPECT_EQ(clsid.subkeys[0].removal, KeyRemoval::ForceRemove);
    EXPECT_TRUE(clsid.subkeys[0].values.empty());

    const ScriptKey& server = clsid.subkeys[1];
    ASSERT_EQ(server.values.size(), 3u);
    EXPECT_EQ(TextOf(server.values[0]), L"C:\\Program Files\\Velmora\\Plinden.dll");
    EXPECT_EQ(server.values[1].name, L"ThreadingModel");
    EXPECT_EQ(TextOf(server.values[1]), L"Apartment");
    EXPECT_EQ(server.values[2].name, L"Count");
    EXPECT_EQ(std::get<std::uint32_t>(server.values[2].data), 0x1Fu);

    EXPECT_EQ(roots[1].root, RegistryRoot::CurrentUser);
    ASSERT_EQ(roots[1].keys.size(), 1u);
    EXPECT_EQ(roots[1].keys[0].name, L"Odd Key");
    EXPECT_EQ(TextOf(roots[1].keys[0].values[0]), L"it's 100% done");
}

TEST(RegistrationScript, KeywordsIgnoreCaseButQuotedWordsAreNames) {
    const auto parsed = Parse(L"hkcr { noremove 'NoRemove' { VAL 'val' = S 'x' } }");
    ASSERT_TRUE(parsed.script) << parsed.error;
    const ScriptKey& key = parsed.script->roots.at(0).keys.at(0);
    EXPECT_EQ(key.name, L"NoRemove");
    EXPECT_EQ(key.removal, KeyRemoval::NoRemove);
    ASSERT_EQ(key.values.size(), 1u);
    EXPECT_EQ(key.values[0].name, L"val");
}

TEST(RegistrationScript, EmptyTextIsAnEmptyScript) {
    const auto parsed = Parse(L" \r\n\t ");
    ASSERT_TRUE(parsed.script);
    EXPECT_TRUE(parsed.script->roots.empty());
}

TEST(RegistrationScript, MalformedScriptsAreRefusedWithTheirLine) {
    struct Case {
        const wchar_t* text;
        std::size_t line;
    };
    const Case cases[] = {
        {L"HKCR\n{\n  Key = s 'x'\n", 4},               // the root block never closes
        {L"HKCR { Key { Sub }\n}\n}", 3},                // one '}' too many
        {L"HKCC { Key }", 1},                            // no such root
        {L"HKCR Key", 1},                                // root without a block
        {L"HKCR {\n Key =\n}", 3},                       // '=' without a value
        {L"HKCR { Key = x 'y' }", 1},                    // unknown value type
        {L"HKCR { Key = s }", 1},                        // type without data
        {L"HKCR {\n Key = s 'open\n}\n", 2},             // unterminated quote
        {L"HKCR { Key = s '%MODULE' }", 1},              // unpaired percent sign
        {L"HKCR {\n\n Key = s '%PATH%' }", 3},           // unknown replacement
        {L"HKCR { Key { val = s 'x' } }", 1},            // 'val' without a name
        {L"HKCR { Key { val Name s 'x' } }", 1},         // 'val' without '='
        {L"HKCR { Key = d 12ab }", 1},                   // not a number
        {L"HKCR { Key = d 4294967296 }", 1},             // more than 32 bits
        {L"HKCR { 'a\\b' = s 'x' }", 1},                 // a path where a name belongs
        {L"HKCR { ForceRemove { } }", 1},                // flag without a name
        {L"HKCR { '' = s 'x' }", 1},                     // empty name
    };
    for (const auto& c : cases) {
        const auto parsed = Parse(c.text);
        EXPECT_FALSE(parsed.script) << "accepted: " << testing::PrintToString(std::wstring(c.text));
        EXPECT_FALSE(parsed.error.empty());
        EXPECT_EQ(parsed.errorLine, c.line) << parsed.error;
    }
}

// Keys nested n deep, one key a line below the root's line.
std::wstring NestedKeys(std::size_t depth) {
    std::wstring text = L"HKCR {";
    for (std::size_t i = 0; i < depth; ++i) text += L"\nK {";
    for (std::size_t i = 0; i <= depth; ++i) text += L" }";
    return text;
}

TEST(RegistrationScript, KeysNestThirtyTwoDeepAndNoDeeper) {
    EXPECT_TRUE(Parse(NestedKeys(32)).script);
    const auto deeper = Parse(NestedKeys(33));
    EXPECT_FALSE(deeper.script);
    EXPECT_EQ(deeper.errorLine, 34u);
    // Deep enough to overflow the stack of a reader without a limit.
    const auto runaway = Parse(NestedKeys(200000));
    EXPECT_FALSE(runaway.script);
    EXPECT_EQ(runaway.errorLine, 34u);
}

}  // namespace
