// The registry stand-in: explicit values first, else the system-information tool found on the PATH.
#include "platform/desktop/system_info.h"

#include "platform/desktop/program_launcher.h"

#include <QMap>

namespace desktop {

namespace {

// Keys set by tests, each with its values by lower-case name.
QMap<QString, QMap<QString, RegistryValue>>& overrides()
{
    static QMap<QString, QMap<QString, RegistryValue>> map;
    return map;
}

QString keyId(std::int32_t root, const QString& key)
{
    return QString::number(root) + QLatin1Char(':') + key.toLower();
}

bool isPathKey(std::int32_t root, const QString& key)
{
    return root == kHKeyLocalMachine && key.compare(QLatin1String(kSysInfoPathKey), Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList systemInfoCandidates()
{
    return {QStringLiteral("hardinfo"), QStringLiteral("hardinfo2"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("mate-system-monitor"),
            QStringLiteral("xfce4-taskmanager"), QStringLiteral("lshw-gtk")};
}

std::optional<RegistryValue> registryValue(std::int32_t root, const QString& key, const QString& valueName)
{
    const auto it = overrides().constFind(keyId(root, key));
    if (it != overrides().constEnd()) {
        const auto v = it->constFind(valueName.toLower());
        if (v == it->constEnd())
            return std::nullopt;
        return *v;
    }
    if (!isPathKey(root, key) || valueName.compare(QLatin1String(kSysInfoPathValue), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QString program = findProgram(systemInfoCandidates());
    if (program.isEmpty())
        return std::nullopt;
    return RegistryValue{kRegSz, program.toLocal8Bit() + '\0'};
}

void setRegistryValue(std::int32_t root, const QString& key, const QString& valueName, const RegistryValue& value)
{
    overrides()[keyId(root, key)].insert(valueName.toLower(), value);
}

void resetRegistry() { overrides().clear(); }

} // namespace desktop
