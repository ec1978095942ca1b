// Text encodings of DXF files: code pages and \U+ / \M+ escapes on reading, GBK or UTF-8 on writing.
#pragma once

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <string>
#include <string_view>

namespace cad {

// Turns the bytes of one string of a DXF file into text. Files of AutoCAD 2007 and later are
// UTF-8; older ones are in the $DWGCODEPAGE they declare (many GBK texts are valid UTF-8 too, so
// no guessing then). Only a file that declares no code page has its UTF-8 texts taken as UTF-8.
class DxfTextDecoder {
public:
    DxfTextDecoder() { configure({}, {}); }
    void configure(const QString& acadver, const QString& codepage);
    QString decode(std::string_view raw);
    // True once a string outside ASCII has been decoded (its text depends on the encoding).
    bool decodedNonAscii() const { return m_nonAscii; }

private:
    bool m_utf8 = false;
    bool m_nonAscii = false;
    bool m_declared = false;
    QStringDecoder m_codepage;
    QStringDecoder m_gbk, m_big5, m_sjis, m_korean;
    QString unescape(const QString& text);
};

// The encodings the writer chooses between: GBK for what it can hold (an R2000 file declared
// ANSI_936), UTF-8 for the rest (an R2007 file, where DXF itself is UTF-8).
enum class DxfEncoding { Gbk, Utf8 };

// Text for a DXF file in `encoding`. In GBK, ASCII stays as it is, Chinese becomes GBK bytes and
// anything GBK cannot hold a \U+XXXX escape, which escaped() then tells (such a drawing is written
// in UTF-8 instead, as escapes are names of their own to other readers). Each character is judged
// on its own, so one string always comes out the same bytes.
class DxfTextEncoder {
public:
    explicit DxfTextEncoder(DxfEncoding encoding = DxfEncoding::Gbk);
    std::string encode(const QString& text);
    // True once a character had to be escaped.
    bool escaped() const { return m_escaped; }

private:
    QByteArray gbkPair(QChar c);
    DxfEncoding m_encoding;
    bool m_escaped = false;
    QStringEncoder m_gbk;
    QStringDecoder m_gbkBack;
};

// The code page the writer declares.
inline constexpr const char* kWrittenCodepage = "ANSI_936";

} // namespace cad
