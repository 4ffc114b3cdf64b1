#include "tests/common/registry_under_test.h"

#include "common/ports/registry_win32.h"

std::unique_ptr<Registry> MakeRegistryUnderTest() {
    return std::make_unique<Win32Registry>();
}
