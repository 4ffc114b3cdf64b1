#include "recording/capture/capture_device_list.h"

std::vector<std::size_t> ListedCaptureDevices(const std::vector<bool>& hasGuid) {
    std::vector<std::size_t> listed;
    std::size_t guids = 0;
    for (std::size_t i = 0; i < hasGuid.size(); ++i) {
        if (hasGuid[i] && guids == kMaxCaptureDevices) continue;
        if (hasGuid[i]) ++guids;
        listed.push_back(i);
    }
    return listed;
}
