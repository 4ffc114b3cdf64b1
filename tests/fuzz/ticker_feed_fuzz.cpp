// The ticker's cached feed, as downloaded: every channel's line is built the
// way the ticker shows it, by index and by name.

#include "tests/fuzz/fuzz_input.h"
#include "ticker/channel_text.h"

namespace {

class FixedWidthMeasure : public TextMeasure {
public:
    std::int32_t Width(std::string_view text) override {
        return static_cast<std::int32_t>(text.size()) * 7;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFile file("Marquel.xml");
    const std::wstring path = file.Write(data, size);
    FixedWidthMeasure measure;
    const ChannelSelection first = BuildChannelByIndex(path, 0, measure);
    const int channels = first.channelCount.value_or(0);
    for (int index = 1; index < channels && index < 8; ++index) {
        BuildChannelByIndex(path, index, measure);
    }
    BuildChannelByName(path, "news", measure);
    return 0;
}
