#pragma once
// Writes and removes the keys of a registration script through the registry
// port. Parse the whole script first (registration_script.h): a malformed
// script then writes nothing at all.

#include "common/com/registration_script.h"

// Writes every key and value. When a write fails, what was written is removed
// again as far as it can be, and the result is false.
bool ApplyRegistration(Registry& registry, const RegistrationScript& script);

// Removes what the script writes. Keys that are already gone count as
// removed; the result is false only when an existing key could not be
// deleted.
bool RemoveRegistration(Registry& registry, const RegistrationScript& script);
