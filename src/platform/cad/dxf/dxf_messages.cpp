// The texts of the reader's refusals (see dxf_messages.h).
#include "platform/cad/dxf/dxf_messages.h"

#include <cerrno>
#include <stdexcept>

namespace cad {

QString dxfMalformedText(const char* fault, std::size_t line)
{
    QString text = QStringLiteral("不是格式正确的 DXF 文件：") + QString::fromUtf8(fault);
    if (line)
        text += QStringLiteral("（第 %1 行）").arg(line);
    return text;
}

QString dxfBinaryRefused() { return QStringLiteral("不能读取二进制 DXF 文件，请将图形另存为 ASCII DXF"); }

QString dwgRefused() { return QStringLiteral("不能读取 DWG 文件，请将图形另存为 DXF"); }

QString dxfNoFile(const QString& path) { return QStringLiteral("找不到图形文件 %1").arg(path); }

QString dxfDanglingLink(const QString& path)
{
    return QStringLiteral("图形文件 %1 是一个链接，它指向的文件不存在").arg(path);
}

QString dxfIsFolder(const QString& path) { return QStringLiteral("%1 是一个文件夹，不是图形文件").arg(path); }

QString dxfNotRegularFile(const QString& path) { return QStringLiteral("%1 不是普通文件，不能作为图形打开").arg(path); }

QString dxfCannotOpen(const QString& path, int err)
{
    const QString text = QStringLiteral("无法读取图形文件 %1").arg(path);
    switch (err) {
    case 0:
        return text;
    case EACCES:
    case EPERM:
        return text + QStringLiteral("（没有权限）");
    case ELOOP:
        return text + QStringLiteral("（链接形成循环）");
    case ENAMETOOLONG:
        return text + QStringLiteral("（路径过长）");
    default:
        return text + QStringLiteral("（错误号 %1）").arg(err);
    }
}

QString dxfTooLarge(const QString& path, qint64 limitBytes)
{
    return QStringLiteral("图形文件 %1 过大（超过 %2 MB）").arg(path).arg(limitBytes / (1024 * 1024));
}

QString dxfNotReadWhole(const QString& path) { return QStringLiteral("图形文件 %1 未能完整读取").arg(path); }

QString dxfNotReadAgain() { return QStringLiteral("图形文件无法再次读取"); }

QString dxfOutOfMemory() { return QStringLiteral("内存不足，无法读入该图形"); }

namespace {

QString dxfInternalFault() { return QStringLiteral("读取时出现内部错误"); }

// What a standard exception says of the file, in plain words; the most specific kinds first.
QString exceptionCause(const std::exception& e)
{
    if (dynamic_cast<const std::length_error*>(&e))
        return QStringLiteral("数据过长，超出程序能处理的长度");
    if (dynamic_cast<const std::out_of_range*>(&e) || dynamic_cast<const std::range_error*>(&e)
        || dynamic_cast<const std::overflow_error*>(&e) || dynamic_cast<const std::underflow_error*>(&e))
        return QStringLiteral("数值超出程序能处理的范围");
    if (dynamic_cast<const std::invalid_argument*>(&e) || dynamic_cast<const std::domain_error*>(&e))
        return QStringLiteral("文件中有无法处理的数据");
    return dxfInternalFault();
}

} // namespace

QString dxfNotRead(const std::exception& cause)
{
    return QStringLiteral("无法读取 DXF 文件：%1").arg(exceptionCause(cause));
}

QString dxfNotRead() { return QStringLiteral("无法读取 DXF 文件：%1").arg(dxfInternalFault()); }

} // namespace cad
