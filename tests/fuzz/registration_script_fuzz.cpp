// A COM server's registration script. The scripts are our own resources, but
// the reader must stay sound on any text: what parses is written to a
// registry in memory and removed again.

#include "common/com/registrar.h"
#include "common/ports/registry_memory.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ScriptReplacements replacements{{L"MODULE", L"C:\\Velmora\\Plinden.dll"}};
    const ScriptParseResult parsed = ParseRegistrationScript(WideOf(data, size), replacements);
    if (parsed.script) {
        MemoryRegistry registry;
        ApplyRegistration(registry, *parsed.script);
        RemoveRegistration(registry, *parsed.script);
    }
    return 0;
}
