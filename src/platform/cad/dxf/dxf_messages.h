// Why a drawing file is refused on reading, in the Chinese the engineers who open it read.
#pragma once

#include <QString>
#include <cstddef>
#include <exception>

namespace cad {

// What makes a text no well-formed DXF (UTF-8), handed to dxfMalformed with the line it stands on.
inline constexpr char kDxfNotDxfStart[] = "文件开头不是 DXF 格式";
inline constexpr char kDxfCodeNotNumber[] = "组码不是数字";
inline constexpr char kDxfEndsInGroup[] = "文件在一个组的中间结束";
inline constexpr char kDxfNumberExpected[] = "此处应为数值";
inline constexpr char kDxfWholeNumberExpected[] = "此处应为整数";
inline constexpr char kDxfNulByte[] = "组值中含有 NUL 字节";
inline constexpr char kDxfValueTooLong[] = "组值超过 1000 字节";
inline constexpr char kDxfNoEof[] = "文件没有 EOF 结束标记（可能不完整）";
inline constexpr char kDxfBetweenSections[] = "段与段之间有多余的内容";
inline constexpr char kDxfSectionNoName[] = "段没有名称";
inline constexpr char kDxfSectionNotClosed[] = "段未结束";
inline constexpr char kDxfTableNotClosed[] = "表未结束";

// "不是格式正确的 DXF 文件：<fault>（第 <line> 行）", without the line where it is 0.
QString dxfMalformedText(const char* fault, std::size_t line);

// Files of a kind the reader does not take, and files that cannot be read at all.
QString dxfBinaryRefused();
QString dwgRefused();
// Only for a path that does not exist at all.
QString dxfNoFile(const QString& path);
QString dxfDanglingLink(const QString& path);
QString dxfIsFolder(const QString& path);
// A FIFO, a device or a socket.
QString dxfNotRegularFile(const QString& path);
// Opening or looking up the file failed with the system error `err` (0: none known).
QString dxfCannotOpen(const QString& path, int err);
QString dxfTooLarge(const QString& path, qint64 limitBytes);
QString dxfNotReadWhole(const QString& path);
QString dxfNotReadAgain();
QString dxfOutOfMemory();
// Reading stopped at an exception of the library; its English text is never shown.
QString dxfNotRead(const std::exception& cause);
// The same for an exception of no standard kind.
QString dxfNotRead();

} // namespace cad
