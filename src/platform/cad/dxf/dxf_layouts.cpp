// Which block names stand for the plan or a layout, and the names the kept layouts are written with.
#include "platform/cad/dxf/dxf_layouts.h"

#include <QLatin1StringView>
#include <QSet>

namespace cad {

LayoutBlock layoutBlockOf(QStringView name)
{
    if (!name.startsWith(QLatin1Char('*')) && !name.startsWith(QLatin1Char('$')))
        return LayoutBlock::None;
    const QStringView rest = name.sliced(1);
    if (rest.startsWith(QLatin1StringView("Paper_Space"), Qt::CaseInsensitive))
        return LayoutBlock::Paper;
    if (rest.startsWith(QLatin1StringView("Model_Space"), Qt::CaseInsensitive))
        return LayoutBlock::Model;
    return LayoutBlock::None;
}

std::array<QString, std::size(kLayoutBlocks)> writtenLayoutNames(const std::vector<LayoutData>& layouts)
{
    // The names of their own first, so that a default name never takes one a later layout has.
    QSet<QString> taken{QStringLiteral("model")};
    std::array<QString, std::size(kLayoutBlocks)> out;
    for (std::size_t k = 0; k < out.size(); ++k) {
        for (const auto& l : layouts)
            if (l.block == QLatin1StringView(kLayoutBlocks[k]))
                out[k] = l.name;
        if (taken.contains(out[k].toCaseFolded()))
            out[k].clear();
        else if (!out[k].isEmpty())
            taken.insert(out[k].toCaseFolded());
    }
    for (auto& name : out) {
        for (const char* fallback : {"Layout1", "Layout2", "Layout3"})
            if (name.isEmpty() && !taken.contains(QString::fromLatin1(fallback).toCaseFolded()))
                name = QString::fromLatin1(fallback);
        taken.insert(name.toCaseFolded());
    }
    return out;
}

} // namespace cad
