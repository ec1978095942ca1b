// An automation call that failed, with the signed 32-bit error number its caller tests.
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>

namespace automation {

class AutomationError : public std::runtime_error {
public:
    explicit AutomationError(std::int32_t number, const QString& description = {});

    std::int32_t number() const noexcept { return m_number; }
    QString description() const { return m_description; }

private:
    std::int32_t m_number;
    QString m_description;
};

// The error numbers the program tells apart; the others only count as "a failure".
namespace errors {
constexpr std::int32_t fromHex(std::uint32_t value) { return static_cast<std::int32_t>(value); }

constexpr std::int32_t InvalidProcedureCall = 5;          // a refused argument or value
constexpr std::int32_t SubscriptOutOfRange = 9;           // reading past the end of a returned list
constexpr std::int32_t FileNotFound = 53;
constexpr std::int32_t ObjectNotSet = 91;                 // a member called on "nothing"
constexpr std::int32_t CannotCreateObject = 429;          // a server that cannot be started or found
constexpr std::int32_t UserCancelled = fromHex(0x80020009);   // Esc at a pick (-2147352567)
constexpr std::int32_t ArcNotDrawn = fromHex(0x80200080);     // -2145386368
constexpr std::int32_t ObjectErased = fromHex(0x80200005);    // an entity that was erased
constexpr std::int32_t InvalidInput = fromHex(0x80200000);    // a value the drawing engine refuses
constexpr std::int32_t KeyNotFound = fromHex(0x8020000C);     // no entity bears that handle
constexpr std::int32_t Disconnected = fromHex(0x80010108);    // the server behind a reference has ended
constexpr std::int32_t FileError = fromHex(0x80200022);       // a drawing file that cannot be read or written
constexpr std::int32_t PickInterrupted = fromHex(0x80010001); // a pick ended by closing the window
constexpr std::int32_t NoActiveDocument = fromHex(0x80200031); // ActiveDocument with no drawing open
} // namespace errors

} // namespace automation
