#include "tools/CanEncoder.h"

#include <algorithm>
#include <unordered_map>

#include "app/Exception.h"
#include "gfx/Surface.h"
#include "scene/CanFormat.h"

namespace {
int channel(uint32_t colour, int c) { return static_cast<int>((colour >> (16 - 8 * c)) & 0xFF); }

struct Box {
    size_t begin, end;  // range of `order`
};
}  // namespace

void quantiseColours(const std::vector<uint32_t>& colours, const std::vector<uint32_t>& counts, int maxColours,
                     std::vector<uint32_t>& palette, std::vector<uint8_t>& index) {
    palette.clear();
    index.assign(colours.size(), 0);
    if (colours.empty() || maxColours <= 0) return;
    std::vector<size_t> order(colours.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::vector<Box> boxes{{0, order.size()}};

    auto widest = [&](const Box& b, int& bestChannel) {
        int bestRange = -1;
        for (int c = 0; c < 3; ++c) {
            int lo = 255, hi = 0;
            for (size_t i = b.begin; i < b.end; ++i) {
                const int v = channel(colours[order[i]], c);
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
            if (hi - lo > bestRange) {
                bestRange = hi - lo;
                bestChannel = c;
            }
        }
        return bestRange;
    };

    while (static_cast<int>(boxes.size()) < maxColours) {
        int pick = -1, pickChannel = 0, pickRange = 0;
        for (size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].end - boxes[b].begin < 2) continue;
            int c = 0;
            const int range = widest(boxes[b], c);
            if (range > pickRange) {
                pickRange = range;
                pick = static_cast<int>(b);
                pickChannel = c;
            }
        }
        if (pick < 0) break;  // every box holds one colour
        Box box = boxes[static_cast<size_t>(pick)];
        std::sort(order.begin() + static_cast<ptrdiff_t>(box.begin), order.begin() + static_cast<ptrdiff_t>(box.end),
                  [&](size_t a, size_t b) { return channel(colours[a], pickChannel) < channel(colours[b], pickChannel); });
        uint64_t total = 0;
        for (size_t i = box.begin; i < box.end; ++i) total += counts[order[i]];
        // Split at the weighted median, keeping both halves non-empty.
        uint64_t running = 0;
        size_t split = box.begin + 1;
        for (size_t i = box.begin; i + 1 < box.end; ++i) {
            running += counts[order[i]];
            split = i + 1;
            if (running * 2 >= total) break;
        }
        boxes[static_cast<size_t>(pick)] = {box.begin, split};
        boxes.push_back({split, box.end});
    }

    for (size_t b = 0; b < boxes.size(); ++b) {
        uint64_t sum[3] = {0, 0, 0}, weight = 0;
        for (size_t i = boxes[b].begin; i < boxes[b].end; ++i) {
            const size_t k = order[i];
            for (int c = 0; c < 3; ++c) sum[c] += static_cast<uint64_t>(channel(colours[k], c)) * counts[k];
            weight += counts[k];
            index[k] = static_cast<uint8_t>(b);
        }
        if (weight == 0) weight = 1;
        const uint32_t r = static_cast<uint32_t>((sum[0] + weight / 2) / weight);
        const uint32_t g = static_cast<uint32_t>((sum[1] + weight / 2) / weight);
        const uint32_t bl = static_cast<uint32_t>((sum[2] + weight / 2) / weight);
        palette.push_back((r << 16) | (g << 8) | bl);
    }
}

RgbFrame frameFromSurface(const Surface& surface, const PixelFormat& format) {
    RgbFrame frame(surface.width(), surface.height());
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) {
            int r, g, b;
            format.split(surface.at(x, y), r, g, b);
            frame.set(x, y, static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
        }
    return frame;
}

CanEncoder::CanEncoder(int width, int height, int x, int y, int fps, PixelFormat format)
    : width_(width), height_(height), x_(x), y_(y), fps_(fps), format_(format) {
    if (width <= 0 || height <= 0 || width > can::kMaxSide || height > can::kMaxSide)
        throw Exception("CAN encoder: bad frame size %d x %d", width, height);
    if (fps <= 0 || fps > can::kMaxFps) throw Exception("CAN encoder: bad frame rate %d", fps);
    previous_.assign(static_cast<size_t>(width) * height, 0);
}

void CanEncoder::addFrame(const RgbFrame& frame) {
    if (frame.width != width_ || frame.height != height_ ||
        frame.rgb.size() != static_cast<size_t>(width_) * height_ * 3)
        throw Exception("CAN encoder: frame %d is %d x %d, the animation is %d x %d", frameCount_ + 1, frame.width,
                        frame.height, width_, height_);
    const size_t pixels = static_cast<size_t>(width_) * height_;
    const bool first = frameCount_ == 0;
    const uint8_t* rgb = frame.rgb.data();

    // Runs of pixels to write: changed pixels, joined over short gaps.
    std::vector<std::pair<size_t, size_t>> runs;  // [begin, end)
    for (size_t p = 0; p < pixels; ++p) {
        const uint16_t want = format_.rgb(rgb[p * 3], rgb[p * 3 + 1], rgb[p * 3 + 2]);
        const uint16_t before = previous_[p];
        previous_[p] = want;
        if (!first && want == before) continue;
        if (!runs.empty() && p - runs.back().second < static_cast<size_t>(kMergeGap))
            runs.back().second = p + 1;
        else
            runs.push_back({p, p + 1});
    }

    // The palette of the written pixels.
    std::unordered_map<uint32_t, uint32_t> slot;
    std::vector<uint32_t> colours, counts;
    for (const auto& [b, e] : runs)
        for (size_t p = b; p < e; ++p) {
            const uint32_t c = (static_cast<uint32_t>(rgb[p * 3]) << 16) | (static_cast<uint32_t>(rgb[p * 3 + 1]) << 8) |
                               rgb[p * 3 + 2];
            auto [it, added] = slot.try_emplace(c, static_cast<uint32_t>(colours.size()));
            if (added) {
                colours.push_back(c);
                counts.push_back(0);
            }
            ++counts[it->second];
        }
    std::vector<uint32_t> palette;
    std::vector<uint8_t> index;
    if (colours.size() <= 256) {
        palette = colours;
        index.resize(colours.size());
        for (size_t i = 0; i < colours.size(); ++i) index[i] = static_cast<uint8_t>(i);
    } else {
        quantiseColours(colours, counts, 256, palette, index);
    }

    std::string& out = frames_;
    for (int i = 0; i < 256; ++i) {
        const uint32_t c = i < static_cast<int>(palette.size()) ? palette[static_cast<size_t>(i)] : 0;
        out.push_back(static_cast<char>((c >> 16) & 0xFF));
        out.push_back(static_cast<char>((c >> 8) & 0xFF));
        out.push_back(static_cast<char>(c & 0xFF));
    }
    size_t cursor = 0;
    for (const auto& [b, e] : runs) {
        can::appendI32(out, static_cast<int32_t>(b - cursor));
        can::appendI32(out, static_cast<int32_t>(e - b));
        for (size_t p = b; p < e; ++p) {
            const uint32_t c = (static_cast<uint32_t>(rgb[p * 3]) << 16) | (static_cast<uint32_t>(rgb[p * 3 + 1]) << 8) |
                               rgb[p * 3 + 2];
            out.push_back(static_cast<char>(index[slot[c]]));
        }
        cursor = e;
    }
    can::appendI32(out, -1);
    can::appendI32(out, -1);
    ++frameCount_;
}

std::string CanEncoder::data() const {
    std::string out;
    out.reserve(can::kHeaderSize + frames_.size());
    can::appendI32(out, width_);
    can::appendI32(out, height_);
    can::appendI32(out, x_);
    can::appendI32(out, y_);
    can::appendI32(out, frameCount_);
    can::appendI32(out, fps_);
    out += frames_;
    return out;
}
