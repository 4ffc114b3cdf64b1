#pragma once
// The registry that the contract suite runs against: the in-memory one on the
// host, the real one under Wine.

#include "common/ports/registry.h"

#include <memory>

std::unique_ptr<Registry> MakeRegistryUnderTest();

// A key under HKEY_CURRENT_USER that the suite may fill and delete.
inline constexpr wchar_t kScratchKey[] = L"Software\\Velmora Radio Tests";
