#include "recording/meter/peak_meter_model.h"

#include <algorithm>

namespace {

constexpr int kDefaultBands = 8;
constexpr int kDefaultLeds = 8;
constexpr int kPenDarkening = 15;

std::uint8_t Darken(MeterColour colour, int shift) {
    return static_cast<std::uint8_t>(std::max(0, int((colour >> shift) & 0xFF) - kPenDarkening));
}

}  // namespace

MeterColour MeterGridPenColour(MeterColour background) {
    return MeterRgb(Darken(background, 0), Darken(background, 8), Darken(background, 16));
}

PeakMeterModel::PeakMeterModel() { SetBandLayout(kDefaultBands, kDefaultLeds); }

void PeakMeterModel::SetBandLayout(int bands, int ledsPerBand) {
    if (bands <= 0 || ledsPerBand <= 0) return;
    std::lock_guard lock(mutex_);
    ledsPerBand_ = ledsPerBand;
    bands_.assign(static_cast<std::size_t>(bands), {maximum_, maximum_, holdTime_});
}

void PeakMeterModel::SetZoneLimits(int green, int yellow, int maximum) {
    std::lock_guard lock(mutex_);
    greenLimit_ = green;
    yellowLimit_ = yellow;
    maximum_ = std::max(1, maximum);
}

bool PeakMeterModel::SetLevels(std::span<const int> values, int offset, int count) {
    if (offset < 0 || values.empty()) return false;
    std::lock_guard lock(mutex_);
    for (int index = offset; index < offset + count; ++index) {
        const auto slot = static_cast<std::size_t>(index);
        if (slot >= bands_.size() || slot >= values.size()) break;
        PeakBand& band = bands_[slot];
        band.value = values[slot];
        if (band.peak < band.value) {
            band.peak = band.value;
            band.hold = holdTime_;
        }
    }
    return true;
}

bool PeakMeterModel::DecayTick() {
    std::lock_guard lock(mutex_);
    const bool fewLeds = ledsPerBand_ < 2;
    const int step = fewLeds ? maximum_ * 10 / 100 : maximum_ / ledsPerBand_;
    const int peakStep = fewLeds ? 5 : step / 2;
    bool changed = false;
    for (PeakBand& band : bands_) {
        const PeakBand before = band;
        if (band.value > 0) band.value = std::max(0, band.value - step);
        if (band.hold > 0) --band.hold;
        if (band.hold == 0 && band.peak > 0) band.peak = std::max(0, band.peak - peakStep);
        changed = changed || band != before;
    }
    return changed;
}

std::vector<PeakBand> PeakMeterModel::Bands() const {
    std::lock_guard lock(mutex_);
    return bands_;
}

bool PeakMeterModel::AtRest() const {
    std::lock_guard lock(mutex_);
    return std::all_of(bands_.begin(), bands_.end(),
                       [](const PeakBand& band) { return band == PeakBand{}; });
}

std::vector<int> PeakMeterModel::Picture(bool peaks) const {
    std::lock_guard lock(mutex_);
    std::vector<int> picture;
    for (const PeakBand& band : bands_) {
        picture.push_back(LitCountLocked(band.value));
        if (peaks) picture.push_back(LitCountLocked(band.peak));
    }
    return picture;
}

int PeakMeterModel::LedCount() const {
    std::lock_guard lock(mutex_);
    return LedCountLocked();
}

int PeakMeterModel::LitCount(std::int32_t value) const {
    std::lock_guard lock(mutex_);
    return LitCountLocked(value);
}

LedZone PeakMeterModel::ZoneOf(int led) const {
    std::lock_guard lock(mutex_);
    return ZoneOfLocked(led);
}

int PeakMeterModel::LedCountLocked() const {
    return ledsPerBand_ <= 1 ? std::max(1, maximum_ * 10 / 100) : ledsPerBand_;
}

int PeakMeterModel::LitCountLocked(std::int32_t value) const {
    const int count = LedCountLocked();
    return std::clamp(static_cast<int>(std::int64_t(count) * value / maximum_), 0, count);
}

LedZone PeakMeterModel::ZoneOfLocked(int led) const {
    const int count = LedCountLocked();
    if (led < count * greenLimit_ / maximum_) return LedZone::Normal;
    if (led < count * yellowLimit_ / maximum_) return LedZone::Medium;
    return LedZone::High;
}

std::vector<MeterCell> PeakMeterModel::PaintPlan(int width, int height,
                                                 const MeterLook& look) const {
    std::lock_guard lock(mutex_);
    const int count = LedCountLocked();
    const int bandCount = static_cast<int>(bands_.size());
    const int greenCut = count * greenLimit_ / maximum_;
    const int cellWidth = width / count;
    const int bandHeight = height / bandCount;
    const MeterColour unlit = look.grid ? kMeterGridColour : look.background;

    std::vector<MeterCell> cells;
    for (int b = 0; b < bandCount; ++b) {
        const int bottom = height - b * bandHeight;
        const PeakBand& band = bands_[static_cast<std::size_t>(b)];
        const int lit = LitCountLocked(band.value);
        const int peakLed = look.peaks ? LitCountLocked(band.peak) - 1 : -1;
        for (int i = 0; i < count; ++i) {
            MeterCell cell;
            const MeterRect full{i * cellWidth, bottom - bandHeight, (i + 1) * cellWidth, bottom};
            cell.fill = full;
            if (count > 1) cell.fill.left += 1;
            if (bandCount > 1) {
                cell.fill.top += 1;
                cell.fill.bottom -= 1;
            }
            if (look.grid && (i == greenCut || i == count - 1)) {
                cell.gridLineX = (full.left + full.right) / 2;
                cell.gridTop = full.top;
                cell.gridBottom = full.bottom;
            }
            cell.colour = unlit;
            if (i < lit || i == peakLed) {
                const LedZone zone = ZoneOfLocked(i);
                cell.colour = zone == LedZone::Normal   ? look.normal
                              : zone == LedZone::Medium ? look.medium
                                                        : look.high;
            }
            cells.push_back(cell);
        }
    }
    return cells;
}
