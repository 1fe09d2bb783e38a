#include "toolkit/ProgressRing.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace s::gui {

namespace {

struct Rgba {
    float r, g, b, a;
};

// Green while counting, amber while paused, red once due; the track dark.
constexpr Rgba kFill[] = {
    {0.13f, 0.72f, 0.30f, 1.0f}, {0.98f, 0.78f, 0.10f, 1.0f}, {0.86f, 0.16f, 0.14f, 1.0f}};
constexpr Rgba kTrack = {0.12f, 0.12f, 0.12f, 0.6f};
// Each pixel is sampled on a 4 x 4 grid, so the ring's edges and the end of
// the filled part are smooth.
constexpr int kSamples = 4;
constexpr float kPi = 3.14159265358979f;

// The share of a turn clockwise from twelve o'clock, 0 to 1.
float turnOf(float dx, float dy) {
    float turn = std::atan2(dx, -dy) / (2 * kPi);
    return turn < 0 ? turn + 1 : turn;
}

// Straight-alpha "over": colour c covering the share `cover` of pixel p.
void blend(std::uint8_t* p, const Rgba& c, float cover) {
    float a = c.a * cover;
    if (a <= 0)
        return;
    float under = p[3] / 255.0f;
    float outA = a + under * (1 - a);
    const float colour[3] = {c.r, c.g, c.b};
    for (int i = 0; i < 3; ++i) {
        float mixed = (colour[i] * a + p[i] / 255.0f * under * (1 - a)) / outA;
        p[i] = static_cast<std::uint8_t>(std::lround(std::clamp(mixed, 0.0f, 1.0f) * 255));
    }
    p[3] = static_cast<std::uint8_t>(std::lround(outA * 255));
}

} // namespace

void drawProgressRing(const Image& icon, std::int32_t permille, RingState state, Image& out) {
    out.clear();
    if (icon.isEmpty())
        return;
    const std::int32_t w = icon.width(), h = icon.height();
    const std::size_t bytes = static_cast<std::size_t>(w) * h * 4;
    std::vector<std::uint8_t> pixels(icon.pixels(), icon.pixels() + bytes);
    const float side = static_cast<float>(std::min(w, h));
    const float outer = side / 2;
    const float inner = outer - std::max(2.0f, side / 8);
    const float filled = std::clamp(permille, 0, 1000) / 1000.0f;
    const Rgba& fill = kFill[static_cast<int>(state)];
    for (std::int32_t y = 0; y < h; ++y) {
        for (std::int32_t x = 0; x < w; ++x) {
            int fillHits = 0, trackHits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    float dx = x + (sx + 0.5f) / kSamples - w / 2.0f;
                    float dy = y + (sy + 0.5f) / kSamples - h / 2.0f;
                    float r = std::sqrt(dx * dx + dy * dy);
                    if (r < inner || r > outer)
                        continue;
                    if (turnOf(dx, dy) < filled)
                        ++fillHits;
                    else
                        ++trackHits;
                }
            }
            std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * w + x) * 4];
            constexpr float kAll = kSamples * kSamples;
            blend(p, kTrack, trackHits / kAll);
            blend(p, fill, fillHits / kAll);
        }
    }
    out.assign(w, h, pixels.data());
}

} // namespace s::gui
