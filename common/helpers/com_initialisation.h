#pragma once
// COM on the calling thread for as long as the holder lives; where the
// thread has it already, this only counts up and down.

#include <objbase.h>

class ComInitialisation {
public:
    ComInitialisation() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComInitialisation() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComInitialisation(const ComInitialisation&) = delete;
    ComInitialisation& operator=(const ComInitialisation&) = delete;

private:
    HRESULT result_;
};
