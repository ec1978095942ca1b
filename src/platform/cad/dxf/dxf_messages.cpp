// The texts of the reader's refusals (see dxf_messages.h).
#include "platform/cad/dxf/dxf_messages.h"

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

QString dxfCannotOpen(const QString& path) { return QStringLiteral("无法读取图形文件 %1").arg(path); }

QString dxfTooLarge(const QString& path, qint64 limitBytes)
{
    return QStringLiteral("图形文件 %1 过大（超过 %2 MB）").arg(path).arg(limitBytes / (1024 * 1024));
}

QString dxfNotReadWhole(const QString& path) { return QStringLiteral("图形文件 %1 未能完整读取").arg(path); }

QString dxfNotReadAgain() { return QStringLiteral("图形文件无法再次读取"); }

QString dxfOutOfMemory() { return QStringLiteral("内存不足，无法读入该图形"); }

QString dxfNotRead(const QString& cause) { return QStringLiteral("无法读取 DXF 文件：%1").arg(cause); }

} // namespace cad
