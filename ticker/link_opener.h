#pragma once
// What the ticker window asks of the object that owns it: opening the link of
// the headline under the read-more button.

#include <string>

class LinkOpener {
public:
    // Called with web links only.
    virtual void OpenLink(const std::string& link) = 0;

protected:
    ~LinkOpener() = default;
};
