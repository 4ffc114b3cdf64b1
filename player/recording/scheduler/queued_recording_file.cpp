#include "recording/scheduler/queued_recording_file.h"

#include "common/helpers/plain_file_name.h"
#include "common/ports/file_replace.h"
#include "common/ports/xml_document.h"
#include "common/ports/xml_element_texts.h"
#include "recording/scheduler/scheduler_time.h"

#include <array>
#include <optional>

namespace {

constexpr std::array<std::wstring_view, 8> kChildren = {
    L"station", L"banner", L"homepage", L"streamlink", L"name", L"start", L"end", L"format"};

// The eight texts in the order of kChildren; nothing when one is missing.
std::optional<std::array<std::wstring, 8>> ReadChildren(XmlNode& element) {
    auto values = SelectTexts(element, kChildren);
    std::array<std::wstring, 8> texts;
    for (std::size_t i = 0; i < kChildren.size(); ++i) {
        if (!values[i]) return std::nullopt;
        texts[i] = std::move(*values[i]);
    }
    return texts;
}

QueuedRecording EntryFromTexts(std::array<std::wstring, 8> texts, const LocalTime& now) {
    QueuedRecording entry;
    entry.station = std::move(texts[0]);
    entry.banner = std::move(texts[1]);
    entry.homepage = std::move(texts[2]);
    entry.streamlink = std::move(texts[3]);
    entry.name = std::move(texts[4]);
    entry.start = ParseScheduleTime(texts[5]);
    entry.end = ParseScheduleTime(texts[6]);
    entry.format = texts[7] == L"MP3" ? RecordingFormat::Mp3 : RecordingFormat::Wav;
    entry.status = entry.end < now ? RecordingStatus::Done : RecordingStatus::Waiting;
    return entry;
}

std::array<std::wstring, 8> TextsOfEntry(const QueuedRecording& entry) {
    return {entry.station,
            entry.banner,
            entry.homepage,
            entry.streamlink,
            entry.name,
            FormatScheduleTime(entry.start),
            FormatScheduleTime(entry.end),
            entry.format == RecordingFormat::Mp3 ? L"MP3" : L"WAV"};
}

bool AppendEntry(XmlDocument& document, XmlNode& root, const QueuedRecording& entry) {
    auto element = document.CreateElement(L"queued");
    if (!element) return false;
    const auto texts = TextsOfEntry(entry);
    for (std::size_t i = 0; i < kChildren.size(); ++i) {
        if (!AppendTextElement(document, *element, kChildren[i], texts[i])) return false;
    }
    return root.AppendChild(*element);
}

}  // namespace

std::vector<QueuedRecording> LoadQueuedRecordings(const std::wstring& path, const LocalTime& now) {
    std::vector<QueuedRecording> queue;
    FinishInterruptedReplace(path);
    auto document = NewXmlDocument();
    if (!document || !document->LoadFile(path)) return queue;
    auto elements = document->SelectNodes(L"root/queued");
    if (!elements) return queue;
    for (std::size_t i = 0; i < elements->Length(); ++i) {
        auto element = elements->Item(i);
        auto texts = element ? ReadChildren(*element) : std::nullopt;
        if (!texts) break;
        QueuedRecording entry = EntryFromTexts(std::move(*texts), now);
        if (IsPlainFileName(entry.name)) queue.push_back(std::move(entry));
    }
    return queue;
}

bool SaveQueuedRecordings(const std::wstring& path, const std::vector<QueuedRecording>& queue) {
    auto document = NewXmlDocument();
    if (!document || !document->LoadText(L"<root></root>")) return false;
    auto root = document->SelectSingle(L"/root");
    if (!root) return false;
    for (const auto& entry : queue) {
        if (!AppendEntry(*document, *root, entry)) return false;
    }
    // The queue is saved at every change, also while recordings run: a crash
    // or a full disk during the save must leave the last good queue behind.
    const std::wstring replacement = ReplacementName(path);
    return document->Save(replacement) && ReplaceFileWith(replacement, path);
}
