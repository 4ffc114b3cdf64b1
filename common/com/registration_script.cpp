#include "common/com/registration_script.h"

#include "common/helpers/text_case.h"

#include <cwctype>
#include <utility>

namespace {

// Keys nest by recursion; real scripts go five or six deep, and a limit keeps
// a runaway script from exhausting the stack.
constexpr std::size_t kMaxKeyDepth = 32;

enum class TokenKind { Word, Quoted, OpenBrace, CloseBrace, Equals, End };

struct Token {
    TokenKind kind;
    std::wstring text;
    std::size_t line;
};

std::optional<RegistryRoot> RootNamed(std::wstring_view name) {
    if (EqualsIgnoringCase(name, L"HKCR") || EqualsIgnoringCase(name, L"HKEY_CLASSES_ROOT")) {
        return RegistryRoot::ClassesRoot;
    }
    if (EqualsIgnoringCase(name, L"HKCU") || EqualsIgnoringCase(name, L"HKEY_CURRENT_USER")) {
        return RegistryRoot::CurrentUser;
    }
    if (EqualsIgnoringCase(name, L"HKLM") || EqualsIgnoringCase(name, L"HKEY_LOCAL_MACHINE")) {
        return RegistryRoot::LocalMachine;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ParseNumber(std::wstring_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (wchar_t c : text) {
        int digit = -1;
        if (c >= L'0' && c <= L'9') digit = c - L'0';
        else if (base == 16 && c >= L'a' && c <= L'f') digit = c - L'a' + 10;
        else if (base == 16 && c >= L'A' && c <= L'F') digit = c - L'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

class Parser {
public:
    Parser(std::wstring_view text, const ScriptReplacements& replacements)
        : text_(text), replacements_(replacements) {}

    ScriptParseResult Parse() {
        RegistrationScript script;
        if (Tokenize()) {
            while (Peek().kind != TokenKind::End && ParseRoot(script)) {}
        }
        ScriptParseResult result;
        if (error_.empty()) {
            result.script = std::move(script);
        } else {
            result.error = std::move(error_);
            result.errorLine = errorLine_;
        }
        return result;
    }

private:
    // Tokens.

    bool Tokenize() {
        std::size_t line = 1;
        std::size_t at = 0;
        while (at < text_.size()) {
            const wchar_t c = text_[at];
            if (c == L'\n') ++line;
            if (std::iswspace(c)) {
                ++at;
            } else if (c == L'=') {
                tokens_.push_back({TokenKind::Equals, L"=", line});
                ++at;
            } else if (c == L'\'') {
                if (!ReadQuoted(at, line)) return false;
            } else {
                ReadWord(at, line);
            }
        }
        tokens_.push_back({TokenKind::End, L"", line});
        for (auto& token : tokens_) {
            if ((token.kind == TokenKind::Word || token.kind == TokenKind::Quoted) &&
                !Replace(token)) {
                return false;
            }
        }
        return true;
    }

    bool ReadQuoted(std::size_t& at, std::size_t& line) {
        const std::size_t startLine = line;
        std::wstring text;
        for (++at; at < text_.size(); ++at) {
            const wchar_t c = text_[at];
            if (c == L'\'') {
                if (at + 1 < text_.size() && text_[at + 1] == L'\'') {
                    text += L'\'';
                    ++at;
                    continue;
                }
                ++at;
                tokens_.push_back({TokenKind::Quoted, std::move(text), startLine});
                return true;
            }
            if (c == L'\n') ++line;
            text += c;
        }
        return Fail(startLine, "unterminated quoted text");
    }

    void ReadWord(std::size_t& at, std::size_t line) {
        const std::size_t start = at;
        while (at < text_.size() && !std::iswspace(text_[at]) && text_[at] != L'=' &&
               text_[at] != L'\'') {
            ++at;
        }
        std::wstring word(text_.substr(start, at - start));
        TokenKind kind = TokenKind::Word;
        if (word == L"{") kind = TokenKind::OpenBrace;
        if (word == L"}") kind = TokenKind::CloseBrace;
        tokens_.push_back({kind, std::move(word), line});
    }

    bool Replace(Token& token) {
        std::wstring replaced;
        const std::wstring& text = token.text;
        for (std::size_t at = 0; at < text.size(); ++at) {
            if (text[at] != L'%') {
                replaced += text[at];
                continue;
            }
            const std::size_t end = text.find(L'%', at + 1);
            if (end == std::wstring::npos) return Fail(token.line, "unpaired '%'");
            const std::wstring_view name = std::wstring_view(text).substr(at + 1, end - at - 1);
            if (name.empty()) {
                replaced += L'%';
            } else if (auto found = replacements_.find(name); found != replacements_.end()) {
                replaced += found->second;
            } else {
                return Fail(token.line, "unknown replacement %" + Narrow(name) + "%");
            }
            at = end;
        }
        token.text = std::move(replaced);
        return true;
    }

    // Grammar.

    bool ParseRoot(RegistrationScript& script) {
        const Token& name = Next();
        const auto root = name.kind == TokenKind::Word ? RootNamed(name.text) : std::nullopt;
        if (!root) return Fail(name.line, "expected a root key such as HKCR");
        ScriptRoot parsed{*root, {}};
        if (!Expect(TokenKind::OpenBrace, "expected '{' after the root key")) return false;
        while (Peek().kind != TokenKind::CloseBrace) {
            ScriptKey key;
            if (!ParseKey(key, 1)) return false;
            parsed.keys.push_back(std::move(key));
        }
        Next();
        script.roots.push_back(std::move(parsed));
        return true;
    }

    bool ParseKey(ScriptKey& key, std::size_t depth) {
        if (depth > kMaxKeyDepth) return Fail(Peek().line, "keys nested more than 32 deep");
        if (IsKeyword(Peek(), L"ForceRemove")) {
            key.removal = KeyRemoval::ForceRemove;
            Next();
        } else if (IsKeyword(Peek(), L"NoRemove")) {
            key.removal = KeyRemoval::NoRemove;
            Next();
        }
        if (!ParseName(key.name, "expected a key name")) return false;
        if (key.name.find(L'\\') != std::wstring::npos) {
            return Fail(tokens_[at_ - 1].line, "a key name cannot hold a backslash");
        }
        if (Peek().kind == TokenKind::Equals) {
            Next();
            ScriptValue value;
            if (!ParseData(value)) return false;
            key.values.push_back(std::move(value));
        }
        if (Peek().kind != TokenKind::OpenBrace) return true;
        Next();
        while (Peek().kind != TokenKind::CloseBrace) {
            if (!ParseBlockEntry(key, depth)) return false;
        }
        Next();
        return true;
    }

    bool ParseBlockEntry(ScriptKey& key, std::size_t depth) {
        if (!IsKeyword(Peek(), L"val")) {
            ScriptKey subkey;
            if (!ParseKey(subkey, depth + 1)) return false;
            key.subkeys.push_back(std::move(subkey));
            return true;
        }
        Next();
        ScriptValue value;
        if (!ParseName(value.name, "expected a value name after 'val'") ||
            !Expect(TokenKind::Equals, "expected '=' after the value name") || !ParseData(value)) {
            return false;
        }
        key.values.push_back(std::move(value));
        return true;
    }

    bool ParseName(std::wstring& name, const char* error) {
        const Token& token = Next();
        if ((token.kind != TokenKind::Word && token.kind != TokenKind::Quoted) ||
            token.text.empty()) {
            return Fail(token.line, error);
        }
        name = token.text;
        return true;
    }

    bool ParseData(ScriptValue& value) {
        const Token& type = Next();
        const Token& data = Next();
        const bool isText = data.kind == TokenKind::Word || data.kind == TokenKind::Quoted;
        if (IsKeyword(type, L"s") && isText) {
            value.data = data.text;
            return true;
        }
        if (IsKeyword(type, L"d") && isText) {
            if (auto number = ParseNumber(data.text)) {
                value.data = *number;
                return true;
            }
            return Fail(data.line, "expected a 32-bit number after 'd'");
        }
        return Fail(type.line, "expected s 'text' or d number");
    }

    // Helpers.

    static bool IsKeyword(const Token& token, std::wstring_view keyword) {
        return token.kind == TokenKind::Word && EqualsIgnoringCase(token.text, keyword);
    }

    static std::string Narrow(std::wstring_view text) {
        std::string narrow;
        for (wchar_t c : text) narrow += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
        return narrow;
    }

    const Token& Peek() const { return tokens_[at_]; }

    // Stays on the final End token, so a truncated script reads as ending
    // early rather than running off the list.
    const Token& Next() {
        const Token& token = tokens_[at_];
        if (token.kind != TokenKind::End) ++at_;
        return token;
    }

    bool Expect(TokenKind kind, const char* error) {
        const Token& token = Next();
        return token.kind == kind || Fail(token.line, error);
    }

    bool Fail(std::size_t line, std::string message) {
        if (error_.empty()) {
            error_ = std::move(message);
            errorLine_ = line;
        }
        return false;
    }

    std::wstring_view text_;
    const ScriptReplacements& replacements_;
    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    std::string error_;
    std::size_t errorLine_ = 0;
};

}  // namespace

ScriptParseResult ParseRegistrationScript(std::wstring_view text,
                                          const ScriptReplacements& replacements) {
    return Parser(text, replacements).Parse();
}
