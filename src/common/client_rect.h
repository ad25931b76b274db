#pragma once

namespace corvanti {

// A point in a window's client pixels.
struct ClientPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ClientPoint&) const = default;
};

// A rectangle in client pixels: left and top inclusive, right and bottom exclusive, so two
// controls that share a column (a right edge equal to the other's left edge plus one) both
// contain it.
struct ClientRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr bool Contains(ClientPoint p) const {
        return left <= p.x && p.x < right && top <= p.y && p.y < bottom;
    }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool operator==(const ClientRect&) const = default;
};

}  // namespace corvanti
