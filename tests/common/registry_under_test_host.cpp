#include "tests/common/registry_under_test.h"

#include "common/ports/registry_memory.h"

std::unique_ptr<Registry> MakeRegistryUnderTest() {
    return std::make_unique<MemoryRegistry>();
}
