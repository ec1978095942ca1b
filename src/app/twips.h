// The window's layout is given in twips: 15 twips to the pixel at 96 dpi.
#pragma once

namespace app {

constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel; }

} // namespace app
