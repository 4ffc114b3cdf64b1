#pragma once
// A document that one XML adapter writes and the other must read back the
// same: document order, attributes, child texts, characters outside ASCII and
// characters that XML escapes.

#include <string>

bool WriteInteropSample(const std::wstring& path);
// Empty when the file holds the sample; otherwise what differs.
std::wstring CheckInteropSample(const std::wstring& path);
