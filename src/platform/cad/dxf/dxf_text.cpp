// Decoding and encoding the strings of DXF files.
#include "platform/cad/dxf/dxf_text.h"

#include <cstdint>
#include <cstdio>

namespace cad {

namespace {
bool isAscii(std::string_view s)
{
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

// Strict UTF-8 check (no overlongs, no surrogates); true only when some multi-byte sequence occurs.
bool isMultibyteUtf8(std::string_view s)
{
    bool multi = false;
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) { ++i; continue; }
        if (c >= 0xC2 && c <= 0xDF) { extra = 1; cp = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { extra = 2; cp = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { extra = 3; cp = c & 0x07; }
        else return false;
        if (i + extra >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        multi = true;
        i += extra + 1;
    }
    return multi;
}

const char* codecForCodepage(const QString& codepage)
{
    const QString cp = codepage.trimmed().toUpper();
    if (cp == QLatin1String("ANSI_936") || cp == QLatin1String("GB2312"))
        return "GBK";
    if (cp == QLatin1String("ANSI_54936"))
        return "GB18030";
    if (cp == QLatin1String("ANSI_950") || cp == QLatin1String("BIG5"))
        return "Big5";
    if (cp == QLatin1String("ANSI_932"))
        return "Shift-JIS";
    if (cp == QLatin1String("ANSI_949"))
        return "windows-949";
    if (cp.startsWith(QLatin1String("ANSI_")) && cp.mid(5).toInt() >= 1250 && cp.mid(5).toInt() <= 1258)
        return nullptr;   // handled below by name
    return "windows-1252";
}

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

int hex4(const QString& s, qsizetype at)
{
    if (at + 4 > s.size())
        return -1;
    int v = 0;
    for (qsizetype k = 0; k < 4; ++k) {
        const int d = hexDigit(s[at + k]);
        if (d < 0)
            return -1;
        v = v * 16 + d;
    }
    return v;
}
} // namespace

void DxfTextDecoder::configure(const QString& acadver, const QString& codepage)
{
    // AC1021 (2007) and later store UTF-8.
    const QString v = acadver.trimmed().toUpper();
    const QString cp = codepage.trimmed().toUpper();
    m_utf8 = (v.startsWith(QLatin1String("AC")) && v.mid(2).toInt() >= 1021) || cp == QLatin1String("UTF8")
        || cp == QLatin1String("UTF-8");
    m_declared = !cp.isEmpty();
    const char* codec = codecForCodepage(codepage);
    QByteArray name = codec ? QByteArray(codec) : ("windows-" + codepage.trimmed().mid(5).toLatin1());
    m_codepage = QStringDecoder(name.constData(), QStringDecoder::Flag::Stateless);
    if (!m_codepage.isValid())
        m_codepage = QStringDecoder("windows-1252", QStringDecoder::Flag::Stateless);
    if (!m_codepage.isValid())
        m_codepage = QStringDecoder(QStringDecoder::Latin1, QStringDecoder::Flag::Stateless);
    m_gbk = QStringDecoder("GB18030", QStringDecoder::Flag::Stateless);
    m_big5 = QStringDecoder("Big5", QStringDecoder::Flag::Stateless);
    m_sjis = QStringDecoder("Shift-JIS", QStringDecoder::Flag::Stateless);
    m_korean = QStringDecoder("windows-949", QStringDecoder::Flag::Stateless);
}

QString DxfTextDecoder::decode(std::string_view raw)
{
    QString text;
    const QByteArrayView bytes(raw.data(), static_cast<qsizetype>(raw.size()));
    if (isAscii(raw)) {
        text = QString::fromLatin1(bytes);
    } else {
        m_nonAscii = true;
        if (m_utf8 || (!m_declared && isMultibyteUtf8(raw)))
            text = QString::fromUtf8(bytes);
        else
            text = m_codepage.decode(bytes);
    }
    if (text.contains(QLatin1Char('\\')))
        text = unescape(text);
    return text;
}

// \U+XXXX is one UTF-16 unit; \M+nXXXX two bytes of the code page numbered n.
QString DxfTextDecoder::unescape(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('\\') && i + 2 < s.size() && s[i + 2] == QLatin1Char('+')) {
            const QChar kind = s[i + 1].toUpper();
            if (kind == QLatin1Char('U')) {
                const int v = hex4(s, i + 3);
                if (v > 0) {
                    out.append(QChar(static_cast<char16_t>(v)));
                    i += 6;
                    continue;
                }
            } else if (kind == QLatin1Char('M') && i + 3 < s.size()) {
                const int v = hex4(s, i + 4);
                QStringDecoder* d = nullptr;
                switch (s[i + 3].unicode()) {
                case '1': d = &m_sjis; break;
                case '2': d = &m_big5; break;
                case '3': d = &m_korean; break;
                case '5': d = &m_gbk; break;
                default: break;
                }
                if (v >= 0x8100 && d && d->isValid()) {   // a double-byte character: lead byte 0x81 or above
                    const char two[2] = {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
                    out.append(d->decode(QByteArrayView(two, 2)));
                    i += 7;
                    continue;
                }
            }
        }
        out.append(s[i]);
    }
    return out;
}

DxfTextEncoder::DxfTextEncoder(DxfEncoding encoding)
    : m_encoding(encoding), m_gbk("GBK", QStringEncoder::Flag::Stateless),
      m_gbkBack("GBK", QStringDecoder::Flag::Stateless)
{
}

// The two GBK bytes of c, or nothing when GBK cannot hold it. Judged by decoding the bytes back,
// not by the encoder's error flag: that flag stays set once raised, whatever resets it.
QByteArray DxfTextEncoder::gbkPair(QChar c)
{
    if (!m_gbk.isValid() || !m_gbkBack.isValid() || c.isSurrogate())
        return {};
    const QByteArray bytes = m_gbk.encode(QStringView(&c, 1));
    // Only proper double-byte characters go out raw: GBK writes '?' for what it cannot hold, and
    // its one-byte euro sign (0x80) is read differently by different programs.
    if (bytes.size() != 2 || static_cast<unsigned char>(bytes[0]) < 0x81 || static_cast<unsigned char>(bytes[0]) > 0xFE)
        return {};
    const QString back = m_gbkBack.decode(bytes);
    return back.size() == 1 && back[0] == c ? bytes : QByteArray();
}

std::string DxfTextEncoder::encode(const QString& text)
{
    if (m_encoding == DxfEncoding::Utf8) {
        QString clean = text;
        for (QChar& c : clean)
            if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
                c = QLatin1Char(' '); // as below
        return clean.toStdString();   // UTF-8; a lone surrogate has no form there and becomes a replacement
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const ushort u = c.unicode();
        if (u < 0x80) {
            // Line breaks would split the code/value pair and a NUL ends the line for some readers:
            // control characters have no place in a DXF string.
            out.push_back(u < 0x20 && u != '\t' ? ' ' : static_cast<char>(u));
            continue;
        }
        const QByteArray bytes = gbkPair(c);
        if (bytes.isEmpty()) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\U+%04X", u);
            out.append(buf);
            m_escaped = true;
        } else {
            out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        }
    }
    return out;
}

} // namespace cad
