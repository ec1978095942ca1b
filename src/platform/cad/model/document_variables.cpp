// System variables and starting tables of a drawing.
#include "platform/cad/model/document_model.h"

#include "platform/automation/automation_error.h"

#include <cstdlib>

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

namespace {
// The Chinese-capable style new texts use; its font files are what other CAD programs expect.
const QString kChineseStyle = QStringLiteral("HZ");

[[noreturn]] void refuse(const QString& name, const char* why)
{
    throw AutomationError(errors::InvalidInput, QStringLiteral("%1: %2").arg(name, QLatin1String(why)));
}
} // namespace

void DocumentModel::setVariable(const QString& rawName, const QVariant& value)
{
    const QString name = rawName.trimmed().toUpper();
    bool ok = false;
    if (name == QLatin1String("OSMODE")) {
        const int v = value.toInt(&ok);
        if (!ok || v < 0 || v > 16383)
            refuse(name, "object snap bits run from 0 to 16383");
        m_tables.variables.insert(name, v);
    } else if (name == QLatin1String("ORTHOMODE")) {
        const int v = value.toInt(&ok);
        if (!ok || (v != 0 && v != 1))
            refuse(name, "0 or 1");
        m_orthoOn = v == 1;
    } else if (name == QLatin1String("TEXTSIZE")) {
        const double v = value.toDouble(&ok);
        if (!ok || !(v > 0))
            refuse(name, "a text height greater than 0");
        m_tables.variables.insert(QStringLiteral("$TEXTSIZE"), v);
    } else {
        refuse(name, "not a variable that can be set");
    }
}

QVariant DocumentModel::variable(const QString& rawName) const
{
    const QString name = rawName.trimmed().toUpper();
    if (name == QLatin1String("OSMODE"))
        return osmode();
    if (name == QLatin1String("ORTHOMODE"))
        return m_orthoOn ? 1 : 0;
    const QString header = name.startsWith(QLatin1Char('$')) ? name : QLatin1Char('$') + name;
    auto it = m_tables.variables.find(header);
    if (it != m_tables.variables.end())
        return *it;
    if (header == QLatin1String("$TEXTSIZE"))
        return 2.5;
    throw AutomationError(errors::InvalidInput, QStringLiteral("no variable %1").arg(name));
}

QString DocumentModel::defaultTextStyle() const
{
    for (const auto& s : m_tables.styles)
        if (s.name.compare(kChineseStyle, Qt::CaseInsensitive) == 0)
            return s.name;
    return m_tables.styles.empty() ? QStringLiteral("Standard") : m_tables.styles.front().name;
}

void DocumentModel::setDefaultTables()
{
    m_tables.layers = {LayerData{QStringLiteral("0"), 7, QStringLiteral("CONTINUOUS"), 0, -3}};
    m_tables.linetypes = {LinetypeData{QStringLiteral("CONTINUOUS"), QStringLiteral("Solid line"), 0, 0, {}, {}}};
    TextStyleData standard;
    standard.name = QStringLiteral("Standard");
    standard.font = QStringLiteral("txt");
    // A Song face the program installs (fonts-arphic-gbsn00lp), named as CAD programs expect.
    TextStyleData chinese;
    chinese.name = kChineseStyle;
    chinese.font = QStringLiteral("gbsn00lp.ttf");
    chinese.family = QStringLiteral("AR PL SungtiL GB");
    m_tables.styles = {standard, chinese};
    m_tables.variables.insert(QStringLiteral("$INSUNITS"), 4);   // millimetres
}

short displayColor(const EntityData& entity, const DrawingTables& tables)
{
    if (entity.color == kColorByBlock)
        return 7;
    if (entity.color != kColorByLayer)
        return entity.color;
    for (const auto& l : tables.layers)
        if (l.name.compare(entity.layer, Qt::CaseInsensitive) == 0)
            return static_cast<short>(std::abs(l.color));
    return 7;
}

} // namespace cad
