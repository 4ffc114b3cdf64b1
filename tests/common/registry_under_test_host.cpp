#include "registry_under_test.h"

#include "registry_memory.h"

std::unique_ptr<Registry> MakeRegistryUnderTest() {
    return std::make_unique<MemoryRegistry>();
}
