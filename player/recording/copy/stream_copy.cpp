#include "recording/copy/stream_copy.h"

void StreamCopy::Start(const std::wstring& folder, std::optional<std::wstring> fixedPath,
                       std::wstring station, std::function<void()> onFailed) {
    Stop();
    recorder_.emplace(files_, clock_, folder, std::move(fixedPath), std::move(onFailed));
    recorder_->SetStation(std::move(station));
    tap_.Attach(*recorder_);
}

void StreamCopy::Stop() {
    if (!recorder_) return;
    tap_.Detach();
    recorder_->Finish();
    recorder_.reset();
}

void StreamCopy::SetStation(std::wstring name) {
    if (recorder_) recorder_->SetStation(std::move(name));
}
