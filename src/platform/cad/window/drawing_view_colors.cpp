// The colour index table, built from its regular pattern instead of 256 literals.
#include "platform/cad/window/drawing_view_colors.h"

#include <array>
#include <cmath>

namespace cad {

namespace {

std::array<QRgb, 256> buildTable()
{
    std::array<QRgb, 256> t{};
    t.fill(qRgb(255, 255, 255));
    t[1] = qRgb(255, 0, 0);
    t[2] = qRgb(255, 255, 0);
    t[3] = qRgb(0, 255, 0);
    t[4] = qRgb(0, 255, 255);
    t[5] = qRgb(0, 0, 255);
    t[6] = qRgb(255, 0, 255);
    t[7] = qRgb(255, 255, 255);
    t[8] = qRgb(128, 128, 128);
    t[9] = qRgb(192, 192, 192);
    // 10..249: 24 hues 15 degrees apart; within each ten, five brightness steps, each full and
    // half saturated.
    static const double kValue[5] = {1.0, 0.8, 0.6, 0.5, 0.3};
    for (int i = 10; i < 250; ++i) {
        const int hue = ((i - 10) / 10) * 15;
        const int step = (i % 10) / 2;
        const bool pale = (i % 2) == 1;
        const QColor c = QColor::fromHsvF(hue / 360.0, pale ? 0.5 : 1.0, kValue[step]);
        t[static_cast<std::size_t>(i)] = c.rgb();
    }
    static const int kGrey[6] = {51, 80, 105, 130, 190, 255};
    for (int i = 0; i < 6; ++i)
        t[static_cast<std::size_t>(250 + i)] = qRgb(kGrey[i], kGrey[i], kGrey[i]);
    return t;
}

} // namespace

QColor drawingBackground() { return QColor(33, 40, 48); }

QColor colorOfIndex(int index)
{
    static const std::array<QRgb, 256> table = buildTable();
    if (index < 1 || index > 255)
        return QColor(table[7]);
    return QColor(table[static_cast<std::size_t>(index)]);
}

} // namespace cad
