// Blank trimming of texts read from execute strings and workbook cells.
#include "services/text_trim.h"

namespace services {

QString TrimBlanks(const QString& s)
{
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && s.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && s.at(last - 1) == QLatin1Char(' '))
        --last;
    return s.mid(first, last - first);
}

} // namespace services
