#include "recording/recorder/recordings_list.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <unordered_set>

namespace {

using DateFields = std::array<unsigned long, 5>;

// The date text read back; fields that do not parse count as 0.
DateFields ParseDateText(const std::wstring& text) {
    DateFields fields{};
    const wchar_t* cursor = text.c_str();
    for (unsigned long& field : fields) {
        wchar_t* end = nullptr;
        field = std::wcstoul(cursor, &end, 10);
        if (end == cursor || *end == L'\0') break;
        cursor = end + 1;
    }
    return fields;
}

unsigned long LeadingNumber(const std::wstring& text) { return std::wcstoul(text.c_str(), nullptr, 10); }

bool RowLess(const RecordingRow& a, const RecordingRow& b, RecordingSortKey key) {
    switch (key) {
    case RecordingSortKey::Size: return LeadingNumber(a.size) < LeadingNumber(b.size);
    case RecordingSortKey::Date: return ParseDateText(a.date) < ParseDateText(b.date);
    case RecordingSortKey::Name: break;
    }
    return a.name < b.name;
}

}  // namespace

std::wstring RecordingDateText(const LocalTime& time) {
    wchar_t text[64];
    std::swprintf(text, std::size(text), L"%u:%u:%u %u:%u", time.year, time.month, time.day,
                  time.hour, time.minute);
    return text;
}

std::wstring RecordingSizeText(std::uint64_t bytes) {
    wchar_t text[32];
    std::swprintf(text, std::size(text), L"%u Kb.",
                  static_cast<unsigned>(static_cast<std::uint32_t>(bytes) / 1024));
    return text;
}

void RefreshRecordingRows(std::vector<RecordingRow>& rows, const std::vector<FolderEntry>& entries) {
    std::unordered_set<std::wstring> seen;
    for (const FolderEntry& entry : entries) {
        if (entry.name == L"." || entry.name == L"..") continue;
        RecordingRow row{RecordingDateText(entry.created), entry.name, RecordingSizeText(entry.size)};
        const auto existing = std::find_if(rows.begin(), rows.end(),
                                           [&](const RecordingRow& r) { return r.name == entry.name; });
        if (existing != rows.end()) {
            *existing = std::move(row);
        } else {
            rows.insert(rows.begin(), std::move(row));
        }
        seen.insert(entry.name);
    }
    std::erase_if(rows, [&](const RecordingRow& row) { return !seen.contains(row.name); });
}

std::optional<RecordingListEdits> RecordingListEditsFor(const std::vector<RecordingRow>& shown,
                                                        const std::vector<RecordingRow>& rows) {
    if (rows.size() < shown.size()) return std::nullopt;
    RecordingListEdits edits{rows.size() - shown.size(), {}};
    for (std::size_t index = 0; index < shown.size(); ++index) {
        const RecordingRow& was = shown[index];
        const RecordingRow& now = rows[edits.inserted + index];
        if (was.name != now.name) return std::nullopt;
        const int row = static_cast<int>(edits.inserted + index);
        if (was.date != now.date) edits.cells.push_back({row, 0, now.date});
        if (was.size != now.size) edits.cells.push_back({row, 2, now.size});
    }
    return edits;
}

void SortRecordingRows(std::vector<RecordingRow>& rows, RecordingSortKey key, bool ascending) {
    std::stable_sort(rows.begin(), rows.end(), [&](const RecordingRow& a, const RecordingRow& b) {
        return ascending ? RowLess(a, b, key) : RowLess(b, a, key);
    });
}
