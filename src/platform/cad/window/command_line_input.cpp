// Typed coordinates read in the C locale, whatever the desktop's decimal separator.
#include "platform/cad/window/command_line_input.h"

#include <QStringList>
#include <cmath>

namespace cad {

std::optional<Point> parseTypedPoint(const QString& text, const Point& from)
{
    QString s = text.trimmed();
    const bool relative = s.startsWith(QLatin1Char('@'));
    if (relative)
        s.remove(0, 1);
    const QStringList parts = s.split(QLatin1Char(','));
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    Point p{0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const double v = parts[i].trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return std::nullopt;
        p[static_cast<std::size_t>(i)] = v;
    }
    if (relative) {
        for (std::size_t i = 0; i < 3; ++i)
            p[i] += from[i];
    }
    return p;
}

QString pointText(const Point& p)
{
    auto number = [](double v) {
        QString t = QString::number(v, 'f', 4);
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
        return t == QLatin1String("-0") ? QStringLiteral("0") : t;
    };
    QString text = number(p[0]) + QLatin1Char(',') + number(p[1]);
    if (p[2] != 0)
        text += QLatin1Char(',') + number(p[2]);
    return text;
}

Point orthoPoint(const Point& base, const Point& cursor)
{
    if (std::abs(cursor[0] - base[0]) >= std::abs(cursor[1] - base[1]))
        return {cursor[0], base[1], base[2]};
    return {base[0], cursor[1], base[2]};
}

} // namespace cad
