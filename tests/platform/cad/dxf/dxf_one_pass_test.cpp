// The DXF reader reads a file once, a chunk at a time: any chunk size gives the same drawing or the
// same refusal, faults are reported in the order of the file, and odd structures are read soundly.
#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

using namespace cad;

namespace {

// Everything the reader puts into a drawing, as text, so two readings compare at once.
std::string describe(const EntityData& e)
{
    QString s = QStringLiteral("%1 %2 %3 %4 [%5] [%6] [%7] [%8] [%9]")
                    .arg(int(e.kind)).arg(e.color).arg(e.visible).arg(e.closed)
                    .arg(e.layer, e.linetype, e.text, e.style, e.blockName);
    const double numbers[] = {e.start[0], e.start[1], e.start[2], e.end[0], e.end[1], e.end[2], e.center[0],
                              e.center[1], e.radius, e.startAngle, e.endAngle, e.insertion[0], e.insertion[1],
                              e.alignment[0], e.height, e.widthFactor, e.rotation, e.mtextWidth, e.elevation,
                              e.scaleX, e.scaleY, e.scaleZ, e.columnSpacing, e.rowSpacing};
    for (double n : numbers)
        s += QLatin1Char(' ') + QString::number(n, 'g', 17);
    s += QStringLiteral(" %1 %2 %3 %4 %5").arg(e.hAlign).arg(e.vAlign).arg(e.attachment).arg(e.columns).arg(e.rows);
    for (const PolyVertex& v : e.vertices)
        s += QStringLiteral(" (%1 %2 %3)").arg(v.x, 0, 'g', 17).arg(v.y, 0, 'g', 17).arg(v.bulge, 0, 'g', 17);
    return s.toStdString() + "\n";
}

std::string describe(const DocumentModel& m)
{
    std::string out;
    const auto& t = m.tables();
    for (auto it = t.variables.begin(); it != t.variables.end(); ++it)
        out += QStringLiteral("var %1 %2 %3\n").arg(it.key(), it.value().toString()).arg(t.variableCodes.value(it.key())).toStdString();
    for (const auto& l : t.layers)
        out += QStringLiteral("layer %1 %2 %3 %4 %5\n").arg(l.name).arg(l.color).arg(l.linetype).arg(l.flags).arg(l.lineweight).toStdString();
    for (const auto& l : t.linetypes) {
        out += QStringLiteral("ltype %1 %2 %3 %4").arg(l.name, l.description).arg(l.flags).arg(l.patternLength).toStdString();
        for (double d : l.dashes)
            out += " " + std::to_string(d);
        out += "\n";
    }
    for (const auto& s : t.styles)
        out += QStringLiteral("style %1 %2 %3 %4 %5 %6\n").arg(s.name, s.font, s.bigFont).arg(s.height).arg(s.widthFactor).arg(s.oblique).toStdString();
    for (const auto& b : t.blocks) {
        out += QStringLiteral("block %1 %2 %3\n").arg(b.name).arg(b.base[0]).arg(b.base[1]).toStdString();
        for (const auto& e : b.entities)
            out += "  " + describe(e);
    }
    m.forEach([&](const EntityData& e) { out += describe(e); });
    return out + "not kept " + std::to_string(m.notKeptOnRead()) + "\n";
}

// The drawing read from `bytes` `chunk` bytes at a time, or the message refusing it.
std::string readInChunks(const QByteArray& bytes, std::size_t chunk)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    DocumentModel model(nullptr);
    try {
        readDxf(buffer, model, chunk);
    } catch (const automation::AutomationError& e) {
        return "refused: " + e.description().toStdString();
    }
    return describe(model);
}

std::string read(const QByteArray& bytes) { return readInChunks(bytes, std::size_t(1) << 20); }

DocumentModel readModel(const QByteArray& bytes)
{
    DocumentModel model(nullptr);
    readDxf(bytes, model);
    return model;
}

std::vector<EntityData> entities(const DocumentModel& model)
{
    std::vector<EntityData> out;
    model.forEach([&](const EntityData& e) { out.push_back(e); });
    return out;
}

QByteArray entitiesSection(const QByteArray& groups)
{
    return "0\nSECTION\n2\nENTITIES\n" + groups + "0\nENDSEC\n0\nEOF\n";
}

} // namespace

// Lines, numbers and long values cut by the end of a chunk anywhere read as a whole.
TEST(DxfOnePass, EveryChunkSizeReadsTheSame)
{
    QDirIterator files(QStringLiteral(RIDE_TEST_DATA_DIR "/cad"), {QStringLiteral("*.dxf")}, QDir::Files,
                       QDirIterator::Subdirectories);
    int count = 0;
    while (files.hasNext()) {
        const QString path = files.next();
        SCOPED_TRACE(path.toStdString());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const std::string whole = read(bytes);
        for (std::size_t chunk : {1, 2, 3, 7, 64, 4095})
            EXPECT_EQ(readInChunks(bytes, chunk), whole) << "chunk " << chunk;
        ++count;
    }
    EXPECT_GT(count, 30);
    // Values longer than a chunk, CR LF line ends, a byte order mark, no line break at the end.
    const QByteArray longText = "\xEF\xBB\xBF" + entitiesSection("0\r\nTEXT\r\n1\r\n" + QByteArray(5000, 'x') + "\r\n10\r\n1.25\r\n")
                                    .replace("EOF\n", "EOF");
    const std::string whole = read(longText);
    EXPECT_NE(whole.find(std::string(5000, 'x')), std::string::npos);
    for (std::size_t chunk : {1, 5, 999, 1000, 1001})
        EXPECT_EQ(readInChunks(longText, chunk), whole) << "chunk " << chunk;
}

// A file with several faults is refused for the first fault of its groups anywhere, then for the
// first fault of its structure, a section or table left open before any fault within it.
TEST(DxfOnePass, FaultsAreReportedInTheirOrder)
{
    const QByteArray longValue(1200, 'v');
    struct Case {
        QByteArray text;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nSTRAY\n0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n0\nENDSEC\n0\nEOF\n",
         "此处应为数值（第 16 行）"},
        {"0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n" + longValue + "\n0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n",
         "段未结束（第 2 行）"},
        {"0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n" + longValue + "\n0\nENDSEC\n0\nSECTION\n0\nEOF\n",
         "组值超过 1000 字节（第 8 行）"},
        {"0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\n" + longValue + "\n0\nENDSEC\n0\nEOF\n",
         "表未结束（第 6 行）"},
        {"0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\n" + longValue + "\n0\nENDTAB\n0\nTABLE\n2\nSTYLE\n0\nENDSEC\n0\nEOF\n",
         "组值超过 1000 字节（第 12 行）"},
        // Stray groups after an ENDSEC, and a stray record, are named by their first line.
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n5\n1F\n0\nEOF\n", "段与段之间有多余的内容（第 8 行）"},
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nSTRAY\n0\nEOF\n", "段与段之间有多余的内容（第 8 行）"},
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n999\nnote\n0\nSTRAY\n0\nEOF\n", "段与段之间有多余的内容（第 10 行）"},
        {"0\nSECTION\n0\nENDSEC\n0\nEOF\n", "段没有名称（第 2 行）"},
        {"0\nSECTION\n5\n1F\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n", "段没有名称（第 2 行）"},
        // A missing EOF is named by the last line of the file, with or without a line break after it.
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n", "文件没有 EOF 结束标记（可能不完整）（第 6 行）"},
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC", "文件没有 EOF 结束标记（可能不完整）（第 6 行）"},
        {"0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n10\r\n1\r\n", "文件没有 EOF 结束标记（可能不完整）（第 8 行）"},
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n10\nnan\n", nullptr},   // nothing after EOF is read
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.left(120).toStdString());
        const std::string got = read(c.text);
        if (c.message)
            EXPECT_NE(got.find(c.message), std::string::npos) << got;
        else
            EXPECT_EQ(got.find("refused"), std::string::npos) << got;
        EXPECT_EQ(readInChunks(c.text, 3), got);
    }
}

// Texts that come before the header declaring their code page are decoded by it all the same.
TEST(DxfOnePass, TextsBeforeTheHeaderTakeItsCodePage)
{
    const QByteArray gbk = "\xD6\xD0\xCE\xC4";   // 中文
    const QByteArray text = "0\nSECTION\n2\nENTITIES\n0\nTEXT\n8\n" + gbk + "\n1\n" + gbk + "\n0\nENDSEC\n"
                            "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nANSI_936\n0\nENDSEC\n0\nEOF\n";
    const auto read = entities(readModel(text));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].text, QStringLiteral("中文"));
    EXPECT_EQ(read[0].layer, QStringLiteral("中文"));
}

// Where the earlier reader went wrong on odd files, the sound reading.
TEST(DxfOnePass, OddStructuresReadSoundly)
{
    // A plan without a layer table has its layer 0 once.
    {
        const DocumentModel m = readModel(entitiesSection("0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n1\n"));
        int zero = 0;
        for (const auto& l : m.tables().layers)
            zero += l.name == QStringLiteral("0");
        EXPECT_EQ(zero, 1);
    }
    // A multi-line text with a zero direction vector and no angle is not turned.
    {
        const auto e = entities(readModel(entitiesSection("0\nMTEXT\n10\n0\n20\n0\n11\n0\n21\n0\n1\nm\n")));
        ASSERT_EQ(e.size(), 1u);
        EXPECT_EQ(e[0].rotation, 0);
    }
    // A group 9 inside an entity is no header variable and does not cut the entity short.
    {
        const DocumentModel m = readModel(entitiesSection("0\nLINE\n9\n$X\n10\n5\n20\n0\n11\n1\n21\n1\n"));
        const auto e = entities(m);
        ASSERT_EQ(e.size(), 1u);
        EXPECT_EQ(e[0].start[0], 5);
        EXPECT_FALSE(m.tables().variables.contains(QStringLiteral("$X")));
    }
    // Entities standing in the header or a table are not part of the plan; neither is a block
    // standing in a table, nor what a block without a name holds.
    {
        const DocumentModel m = readModel(
            "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n0\nLINE\n10\n1\n20\n1\n11\n2\n21\n2\n0\nENDSEC\n"
            "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n0\nBLOCK\n2\nB\n0\nLWPOLYLINE\n10\n1\n20\n1\n10\n2\n20\n2\n0\nENDTAB\n0\nENDSEC\n"
            "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n70\n0\n0\nCIRCLE\n10\n0\n20\n0\n40\n1\n0\nENDBLK\n0\nENDSEC\n"
            "0\nSECTION\n2\nENTITIES\n0\nARC\n10\n0\n20\n0\n40\n1\n0\nENDSEC\n0\nEOF\n");
        const auto e = entities(m);
        ASSERT_EQ(e.size(), 1u);
        EXPECT_EQ(e[0].kind, EntityKind::Arc);
        EXPECT_TRUE(m.tables().blocks.empty());
    }
    // The dashes of a by-layer entry (which is not kept) are not given to the line type after it.
    {
        const DocumentModel m = readModel("0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n"
                                          "0\nLTYPE\n2\nBYLAYER\n49\n7\n0\nLTYPE\n2\nDASH\n49\n1\n49\n-0.5\n"
                                          "0\nENDTAB\n0\nENDSEC\n0\nEOF\n");
        ASSERT_EQ(m.tables().linetypes.size(), 1u);
        EXPECT_EQ(m.tables().linetypes[0].dashes, (std::vector<double>{1, -0.5}));
        EXPECT_EQ(m.tables().linetypes[0].patternLength, 1.5);
    }
    // Values of a file with CR CR LF line ends lose their CRs.
    {
        const auto e = entities(readModel(entitiesSection("0\r\r\nTEXT\r\r\n8\r\r\nWALL\r\r\n1\r\r\nA\r\r\n")));
        ASSERT_EQ(e.size(), 1u);
        EXPECT_EQ(e[0].layer, QStringLiteral("WALL"));
        EXPECT_EQ(e[0].text, QStringLiteral("A"));
    }
}

namespace {

// A file whose reading fails inside the library: the device throws once its first bytes are read.
class ThrowingDevice : public QIODevice {
public:
    explicit ThrowingDevice(std::function<void()> fail) : m_fail(std::move(fail)) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* data, qint64 size) override
    {
        if (m_served)
            m_fail();
        const QByteArray start = "0\nSECTION\n2\nENTITIES\n";
        m_served = true;
        const qint64 n = std::min<qint64>(size, start.size());
        std::memcpy(data, start.constData(), static_cast<std::size_t>(n));
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::function<void()> m_fail;
    bool m_served = false;
};

} // namespace

// An exception that stops the reading is told in Chinese, never in the library's English.
TEST(DxfOnePass, AnExceptionWhileReadingIsToldInChinese)
{
    const char* english = "library text in English";
    struct Case {
        std::function<void()> fail;
        const char* message;
    };
    const std::vector<Case> cases = {
        {[&] { throw std::length_error(english); }, "无法读取 DXF 文件：数据过长，超出程序能处理的长度"},
        {[&] { throw std::out_of_range(english); }, "无法读取 DXF 文件：数值超出程序能处理的范围"},
        {[&] { throw std::overflow_error(english); }, "无法读取 DXF 文件：数值超出程序能处理的范围"},
        {[&] { throw std::invalid_argument(english); }, "无法读取 DXF 文件：文件中有无法处理的数据"},
        {[&] { throw std::runtime_error(english); }, "无法读取 DXF 文件：读取时出现内部错误"},
        {[&] { throw std::bad_alloc(); }, "内存不足，无法读入该图形"},
        {[&] { throw 42; }, "无法读取 DXF 文件：读取时出现内部错误"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ThrowingDevice device(c.fail);
        DocumentModel model(nullptr);
        try {
            readDxf(device, model, 8);
            ADD_FAILURE() << "read";
        } catch (const automation::AutomationError& e) {
            EXPECT_EQ(e.number(), automation::errors::FileError);
            EXPECT_EQ(e.description().toStdString(), c.message);
        }
    }
}
