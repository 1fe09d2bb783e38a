#include "toolkit/window/WindowGeometry.h"

namespace s::gui::win::geometry {

Hit frameHit(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             DisplayScale scale) {
    const std::int32_t border = scale.px(kFrameBorder);
    const std::int32_t corner = scale.px(kFrameCorner);
    if (x > width - border)
        return y > height - corner ? Hit::BottomRight
               : y >= corner       ? Hit::Right
                                   : Hit::TopRight;
    if (y > height - border)
        return x > width - corner ? Hit::BottomRight
               : x < corner       ? Hit::BottomLeft
                                  : Hit::Bottom;
    if (x < border)
        return y > height - corner ? Hit::BottomLeft
               : y >= corner       ? Hit::Left
                                   : Hit::TopLeft;
    if (y < border)
        return x > width - corner ? Hit::TopRight
               : x < corner       ? Hit::TopLeft
                                  : Hit::Top;
    return Hit::Default;
}

void limitToWorkHeight(Rect& r, std::int32_t edge, std::int32_t workHeight) {
    if (r.height() <= workHeight)
        return;
    if (edge == kBottom || edge == kBottomLeft || edge == kBottomRight)
        r.bottom = r.top + workHeight;
    else
        r.top = r.bottom - workHeight;
}

void keepMinimum(Rect& r, std::int32_t edge, std::int32_t minimumWidth, std::int32_t minimumHeight,
                 bool onWidth, bool onHeight) {
    if (onWidth && r.width() < minimumWidth) {
        if (edge == kLeft || edge == kTopLeft || edge == kBottomLeft)
            r.left = r.right - minimumWidth;
        else
            r.right = r.left + minimumWidth;
    }
    if (onHeight && r.height() < minimumHeight) {
        if (edge == kTop || edge == kTopLeft || edge == kTopRight)
            r.top = r.bottom - minimumHeight;
        else
            r.bottom = r.top + minimumHeight;
    }
}

Rect movedInside(const Rect& window, const Rect& bounds) {
    std::int32_t x = window.left, y = window.top;
    if (x + window.width() > bounds.right)
        x = bounds.right - window.width();
    if (y + window.height() > bounds.bottom)
        y = bounds.bottom - window.height();
    if (x < bounds.left)
        x = bounds.left;
    if (y < bounds.top)
        y = bounds.top;
    return {x, y, x + window.width(), y + window.height()};
}

bool isReachable(const Rect& window, const Rect& screen) {
    constexpr std::int32_t kReach = 10;
    return window.width() > kReach && window.height() > kReach &&
           window.left <= screen.right - kReach && window.right - screen.left >= kReach &&
           window.top <= screen.bottom - kReach && window.bottom - screen.top >= kReach;
}

Rect centredIn(const Rect& window, const Rect& area) {
    std::int32_t x = area.left + (area.width() - window.width()) / 2;
    std::int32_t y = area.top + (area.height() - window.height()) / 2;
    if (x < area.left)
        x = area.left;
    if (y < area.top)
        y = area.top;
    return {x, y, x + window.width(), y + window.height()};
}

Size backBufferSize(Size current, Size client) {
    std::int64_t area = std::int64_t{current.width} * current.height;
    std::int64_t clientArea = std::int64_t{client.width} * client.height;
    if (area == 0 || area * 7 > clientArea * 10)
        return client;
    if (current.width < client.width || current.height < client.height)
        return {current.width < client.width ? client.width : current.width,
                current.height < client.height ? client.height : current.height};
    return current;
}

std::uint8_t alphaOf(std::int32_t percent) {
    std::int32_t alpha = percent * 255 / 100;
    return static_cast<std::uint8_t>(alpha < 0 ? 0 : alpha > 255 ? 255 : alpha);
}

TrayClick trayClick(bool iconized, bool active, std::int64_t nowMs, std::int64_t deactivatedAtMs) {
    if (iconized)
        return TrayClick::Restore;
    bool justLeft = deactivatedAtMs != 0 && nowMs - deactivatedAtMs <= kTrayClickGraceMs;
    return active || justLeft ? TrayClick::Iconize : TrayClick::Activate;
}

} // namespace s::gui::win::geometry
