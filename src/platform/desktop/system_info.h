// A small stand-in for the two registry values by which the About box finds the desktop's
// system-information tool. The tool's path is answered from the PATH; tests may set values of
// their own.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace desktop {

inline constexpr std::int32_t kHKeyLocalMachine = static_cast<std::int32_t>(0x80000002u);

// The value types the About box tells apart.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

struct RegistryValue {
    std::uint32_t type = kRegSz;
    QByteArray data; // as stored: a text with its closing NUL, or raw bytes
};

// The key and value name that hold the tool's full path, and those of the folder that holds it.
inline constexpr const char* kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoPathValue = "PATH";
inline constexpr const char* kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoFolderValue = "MSINFO";

// System-information programs of the common desktops, in the order they are looked for.
QStringList systemInfoCandidates();

// The value valueName of key under root; nothing when the key or the value is missing. Names ignore case.
std::optional<RegistryValue> registryValue(std::int32_t root, const QString& key, const QString& valueName);

// For tests: a key of one's own, in place of the answer from the PATH, until reset.
void setRegistryValue(std::int32_t root, const QString& key, const QString& valueName, const RegistryValue& value);
void resetRegistry();

} // namespace desktop
