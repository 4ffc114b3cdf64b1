#pragma once
// The addresses the radio engine deals with: http and https only. Anything
// else named by the network (file:, mms:, a share) is never opened by it.

#include <string_view>

bool IsWebAddress(std::wstring_view url);
