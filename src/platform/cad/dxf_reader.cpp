// Reading DXF: the first pass checks and filters, dxflib parses, this adapter fills the drawing.
#include "platform/cad/dxf_file.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/document_model.h"
#include "platform/cad/dxf_scan.h"
#include "platform/cad/dxf_text.h"
#include "platform/cad/geometry_transform.h"

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <cmath>
#include <map>
#include <istream>
#include <streambuf>
#include <unordered_map>

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

namespace {

constexpr double kDegree = geom::kTwoPi / 360.0;

double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

Point point(double x, double y, double z) { return {finiteOr(x, 0), finiteOr(y, 0), finiteOr(z, 0)}; }

class Adapter : public DL_CreationAdapter {
public:
    Adapter(DocumentModel& model, ScannedDxf& scan) : m_model(model), m_scan(scan)
    {
        m_text.configure(scan.acadver, scan.codepage);
    }

    void finish()
    {
        flushPolyline();
        endBlockDefinition();
        addPlainBefore(SIZE_MAX);
    }

    // ---- header and tables

    void setVariableString(const std::string& key, const std::string& value, int code) override
    {
        variable(key, m_text.decode(value), code);
    }
    void setVariableInt(const std::string& key, int value, int code) override { variable(key, value, code); }
    void setVariableDouble(const std::string& key, double value, int code) override
    {
        if (std::isfinite(value))
            variable(key, value, code);
    }
    void setVariableVector(const std::string& key, double v1, double v2, double v3, int code) override
    {
        variable(key, QVariantList{finiteOr(v1, 0), finiteOr(v2, 0), finiteOr(v3, 0)}, code);
    }

    void addLayer(const DL_LayerData& data) override
    {
        LayerData layer;
        layer.name = m_text.decode(data.name);
        if (layer.name.isEmpty())
            return;
        const DL_Attributes& a = getAttributes();
        int color = a.getColor();
        const bool off = data.off || color < 0;   // a negative colour switches the layer off
        color = std::abs(color);
        if (color == 0 || color > 255)
            color = 7;
        layer.color = static_cast<short>(off ? -color : color);
        layer.linetype = m_text.decode(a.getLinetype());
        if (layer.linetype.isEmpty())
            layer.linetype = QStringLiteral("CONTINUOUS");
        layer.flags = data.flags;
        layer.lineweight = a.getWidth();
        // A name met again replaces the earlier entry; found by hash, as plans can hold many layers.
        auto& layers = m_model.tables().layers;
        const QString key = layer.name.toUpper();
        if (const auto known = m_layerIndex.constFind(key); known != m_layerIndex.cend()) {
            layers[*known] = layer;
            return;
        }
        m_layerIndex.insert(key, layers.size());
        layers.push_back(layer);
    }

    void addLinetype(const DL_LinetypeData& data) override
    {
        LinetypeData lt;
        lt.name = m_text.decode(data.name);
        if (lt.name.isEmpty())
            return;
        lt.description = m_text.decode(data.description);
        lt.flags = data.flags;
        lt.patternLength = finiteOr(data.patternLength, 0);
        // dxflib reports an entry's dashes before the entry itself.
        lt.dashes = std::move(m_dashes);
        m_dashes.clear();
        if (!lt.dashes.empty()) {
            lt.patternLength = 0;
            for (double dash : lt.dashes)
                lt.patternLength += std::abs(dash);
        }
        m_model.tables().linetypes.push_back(lt);
    }

    void addLinetypeDash(double length) override { m_dashes.push_back(finiteOr(length, 0)); }

    void addTextStyle(const DL_StyleData& data) override
    {
        TextStyleData s;
        s.name = m_text.decode(data.name);
        if (s.name.isEmpty())
            return;   // shape files (flag 1) have no name
        s.font = m_text.decode(data.primaryFontFile);
        s.bigFont = m_text.decode(data.bigFontFile);
        s.height = finiteOr(data.fixedTextHeight, 0);
        s.widthFactor = data.widthFactor > 0 && std::isfinite(data.widthFactor) ? data.widthFactor : 1;
        s.oblique = finiteOr(data.obliqueAngle, 0);
        s.flags = data.flags;
        m_model.tables().styles.push_back(s);
    }

    // ---- blocks

    void addBlock(const DL_BlockData& data) override
    {
        flushPolyline();
        endBlockDefinition();
        const QString name = m_text.decode(data.name);
        // The engine writes the layout blocks itself; entities of paper space are not kept.
        if (name.startsWith(QLatin1String("*Model_Space"), Qt::CaseInsensitive)
            || name.startsWith(QLatin1String("*Paper_Space"), Qt::CaseInsensitive)) {
            m_skipBlock = true;
            return;
        }
        m_block = BlockDefinition{};
        m_block->name = name;
        m_block->base = point(data.bpx, data.bpy, data.bpz);
        m_block->flags = data.flags;
    }

    void endBlock() override
    {
        flushPolyline();
        endBlockDefinition();
    }

    // ---- entities

    void addLine(const DL_LineData& d) override
    {
        EntityData e = start(EntityKind::Line);
        lineGeometry(e, d);
        put(std::move(e));
    }

    void addArc(const DL_ArcData& d) override
    {
        if (!(d.radius > 0) || !std::isfinite(d.radius))
            return start(EntityKind::Arc), void();
        EntityData e = start(EntityKind::Arc);
        arcGeometry(e, d);
        put(std::move(e));
    }

    void addCircle(const DL_CircleData& d) override
    {
        if (!(d.radius > 0) || !std::isfinite(d.radius))
            return start(EntityKind::Circle), void();
        EntityData e = start(EntityKind::Circle);
        circleGeometry(e, d);
        put(std::move(e));
    }

    void addText(const DL_TextData& d) override
    {
        EntityData e = start(EntityKind::Text);
        e.insertion = point(d.ipx, d.ipy, d.ipz);
        e.alignment = point(d.apx, d.apy, d.apz);
        e.height = d.height > 0 && std::isfinite(d.height) ? d.height : 1;
        e.widthFactor = d.xScaleFactor > 0 && std::isfinite(d.xScaleFactor) ? d.xScaleFactor : 1;
        e.hAlign = d.hJustification;
        e.vAlign = d.vJustification;
        const auto longText = m_scan.longTexts.find(m_sequence);
        e.text = m_text.decode(longText != m_scan.longTexts.end() ? longText->second : d.text);
        e.style = name(d.style);
        e.rotation = geom::normalizeAngle(finiteOr(d.angle, 0));   // dxflib gives radians here
        put(std::move(e));
    }

    void addMTextChunk(const std::string& text) override { m_mtextChunks += text; }

    void addMText(const DL_MTextData& d) override
    {
        EntityData e = start(EntityKind::MText);
        e.insertion = point(d.ipx, d.ipy, d.ipz);
        e.height = d.height > 0 && std::isfinite(d.height) ? d.height : 1;
        e.mtextWidth = finiteOr(d.width, 0);
        e.attachment = d.attachmentPoint >= 1 && d.attachmentPoint <= 9 ? d.attachmentPoint : 1;
        e.text = m_text.decode(m_mtextChunks + d.text);
        m_mtextChunks.clear();
        e.style = name(d.style);
        // dxflib gives this one in degrees; a direction vector, when given, wins.
        double angle = finiteOr(d.angle, 0) * kDegree;
        if ((d.dirx != 0 || d.diry != 0) && std::isfinite(d.dirx) && std::isfinite(d.diry))
            angle = std::atan2(d.diry, d.dirx);
        e.rotation = geom::normalizeAngle(angle);
        put(std::move(e));
    }

    void addInsert(const DL_InsertData& d) override
    {
        EntityData e = start(EntityKind::Insert);
        e.blockName = name(d.name);
        e.insertion = point(d.ipx, d.ipy, d.ipz);
        e.scaleX = d.sx != 0 && std::isfinite(d.sx) ? d.sx : 1;
        e.scaleY = d.sy != 0 && std::isfinite(d.sy) ? d.sy : 1;
        e.scaleZ = d.sz != 0 && std::isfinite(d.sz) ? d.sz : 1;
        e.rotation = geom::normalizeAngle(finiteOr(d.angle, 0) * kDegree);
        e.columns = std::clamp(d.cols, 1, 32767);
        e.rows = std::clamp(d.rows, 1, 32767);
        e.columnSpacing = finiteOr(d.colSp, 0);
        e.rowSpacing = finiteOr(d.rowSp, 0);
        if (e.blockName.isEmpty())
            return;
        put(std::move(e));
    }

    void addPolyline(const DL_PolylineData& d) override
    {
        flushPolyline();
        EntityData e = start(EntityKind::Polyline);
        polylineHead(e, d);
        m_polyline = std::move(e);
    }

    void addVertex(const DL_VertexData& d) override
    {
        if (m_polyline)
            pushVertex(*m_polyline, d);
    }

    void endSequence() override { flushPolyline(); }

private:
    static void lineGeometry(EntityData& e, const DL_LineData& d)
    {
        e.start = point(d.x1, d.y1, d.z1);
        e.end = point(d.x2, d.y2, d.z2);
    }
    static void circleGeometry(EntityData& e, const DL_CircleData& d)
    {
        e.center = point(d.cx, d.cy, d.cz);
        e.radius = d.radius;
    }
    static void polylineHead(EntityData& e, const DL_PolylineData& d)
    {
        e.closed = (d.flags & 1) != 0;
        e.elevation = finiteOr(d.elevation, 0);
    }
    static void pushVertex(EntityData& e, const DL_VertexData& d)
    {
        const double bulge = std::isfinite(d.bulge) && std::abs(d.bulge) < 1e6 ? d.bulge : 0;
        e.vertices.push_back({finiteOr(d.x, 0), finiteOr(d.y, 0), bulge});
    }
    static void arcGeometry(EntityData& e, const DL_ArcData& d)
    {
        e.center = point(d.cx, d.cy, d.cz);
        e.radius = d.radius;
        e.startAngle = geom::normalizeAngle(finiteOr(d.angle1, 0) * kDegree);
        e.endAngle = geom::normalizeAngle(finiteOr(d.angle2, 0) * kDegree);
    }

    // The lines, circles and arcs the first pass read that stand before the entity numbered
    // `sequence` in the file, into model space in their order.
    void addPlainBefore(std::size_t sequence)
    {
        // Each is dropped once added, so the drawing grows while they shrink.
        while (!m_scan.plain.empty() && m_scan.plain.front().sequence < sequence) {
            addPlain(m_scan.plain.front());
            m_scan.plain.pop_front();
        }
    }

    // One of them, with the attributes and defaults dxflib would have given it.
    void addPlain(const DxfPlainEntity& p)
    {
        const double* v = p.values;
        const bool curve = p.kind == DxfPlainKind::Circle || p.kind == DxfPlainKind::Arc;
        if (curve && (!(v[6] > 0) || !std::isfinite(v[6])))
            return;
        if (p.kind == DxfPlainKind::Polyline && p.vertexCount == 0)
            return;
        EntityData e;
        e.kind = p.kind == DxfPlainKind::Line ? EntityKind::Line
            : p.kind == DxfPlainKind::Circle  ? EntityKind::Circle
            : p.kind == DxfPlainKind::Arc     ? EntityKind::Arc
                                              : EntityKind::Polyline;
        e.layer = p.layer == kDxfNoName ? QStringLiteral("0") : name(m_scan.names[p.layer]);
        if (e.layer.isEmpty())
            e.layer = QStringLiteral("0");
        e.color = static_cast<short>(p.color >= 0 && p.color <= 256 ? p.color : kColorByLayer);
        if (p.linetype != kDxfNoName) {
            const QString lt = name(m_scan.names[p.linetype]);
            e.linetype = lt.compare(QLatin1String("BYLAYER"), Qt::CaseInsensitive) == 0 ? QString() : lt;
        }
        if (p.sequence >= 1 && p.sequence <= m_scan.extras.size())
            e.visible = !m_scan.extras[p.sequence - 1].invisible;
        switch (p.kind) {
        case DxfPlainKind::Line: lineGeometry(e, DL_LineData(v[0], v[1], v[2], v[3], v[4], v[5])); break;
        case DxfPlainKind::Circle: circleGeometry(e, DL_CircleData(v[0], v[1], v[2], v[6])); break;
        case DxfPlainKind::Arc: arcGeometry(e, DL_ArcData(v[0], v[1], v[2], v[6], v[7], v[8])); break;
        case DxfPlainKind::Polyline:
            polylineHead(e, DL_PolylineData(static_cast<int>(p.vertexCount), 0, 0, p.flags, v[0]));
            e.vertices.reserve(p.vertexCount);
            // Polylines are added in the order their vertices were stored: this one's are in front.
            for (std::uint32_t i = 0; i < p.vertexCount && !m_scan.vertices.empty(); ++i) {
                const PolyVertex& pv = m_scan.vertices.front();
                pushVertex(e, DL_VertexData(pv.x, pv.y, 0, pv.bulge));
                m_scan.vertices.pop_front();
            }
            break;
        }
        m_model.add(std::move(e));
    }

    void variable(const std::string& key, const QVariant& value, int code)
    {
        const QString name = QString::fromLatin1(key).toUpper();
        if (name.isEmpty())
            return;
        m_model.tables().variables.insert(name, value);
        m_model.tables().variableCodes.insert(name, code);
    }

    // A layer, line type, style or block name: each distinct one decoded once, its text shared by
    // every entity that names it (a plan has few names and very many entities).
    QString name(const std::string& raw)
    {
        auto it = m_names.find(raw);
        if (it == m_names.end())
            it = m_names.emplace(raw, m_text.decode(raw)).first;
        return it->second;
    }

    // A new entity with the attributes dxflib holds for it.
    EntityData start(EntityKind kind)
    {
        flushPolyline();
        EntityData e;
        e.kind = kind;
        const DL_Attributes& a = getAttributes();
        e.layer = name(a.getLayer());
        if (e.layer.isEmpty())
            e.layer = QStringLiteral("0");
        const int color = a.getColor();
        e.color = static_cast<short>(color >= 0 && color <= 256 ? color : kColorByLayer);
        const QString lt = name(a.getLinetype());
        e.linetype = lt.compare(QLatin1String("BYLAYER"), Qt::CaseInsensitive) == 0 ? QString() : lt;
        const int sequence = a.getHandle();
        m_sequence = sequence >= 1 ? static_cast<std::size_t>(sequence) : 0;
        addPlainBefore(m_sequence);
        if (m_sequence >= 1 && m_sequence <= m_scan.extras.size())
            e.visible = !m_scan.extras[m_sequence - 1].invisible;
        return e;
    }

    void put(EntityData e)
    {
        if (m_skipBlock)
            return;
        if (m_block) {
            e.handle = 0;
            m_block->entities.push_back(std::move(e));
            return;
        }
        m_model.add(std::move(e));
    }

    void flushPolyline()
    {
        if (!m_polyline)
            return;
        EntityData e = std::move(*m_polyline);
        m_polyline.reset();
        if (!e.vertices.empty())
            put(std::move(e));
    }

    void endBlockDefinition()
    {
        if (m_block) {
            auto& blocks = m_model.tables().blocks;
            const bool known = std::any_of(blocks.begin(), blocks.end(), [&](const BlockDefinition& b) {
                return b.name.compare(m_block->name, Qt::CaseInsensitive) == 0;
            });
            if (!known && !m_block->name.isEmpty())
                blocks.push_back(std::move(*m_block));
        }
        m_block.reset();
        m_skipBlock = false;
    }

    DocumentModel& m_model;
    ScannedDxf& m_scan;                                     // its plain entities are used up
    DxfTextDecoder m_text;
    std::optional<BlockDefinition> m_block;
    bool m_skipBlock = false;
    std::optional<EntityData> m_polyline;
    std::string m_mtextChunks;
    std::unordered_map<std::string, QString> m_names;       // raw name -> its decoded text
    std::vector<double> m_dashes;                           // of the line type being read
    QHash<QString, std::size_t> m_layerIndex;               // upper-case name -> index in the table
    std::size_t m_sequence = 0;                             // the first pass's number of this entity
};

// A block that inserts itself, directly or through others, would be drawn for ever: such inserts
// are dropped from the block definitions (the model-space inserts stay).
void breakBlockCycles(DrawingTables& t)
{
    std::map<QString, std::size_t> index;
    for (std::size_t i = 0; i < t.blocks.size(); ++i)
        index.emplace(t.blocks[i].name.toUpper(), i);
    enum class Mark { None, Open, Done };
    std::vector<Mark> mark(t.blocks.size(), Mark::None);
    // Iterative depth-first search: block files can nest deeply.
    for (std::size_t root = 0; root < t.blocks.size(); ++root) {
        if (mark[root] != Mark::None)
            continue;
        std::vector<std::pair<std::size_t, std::size_t>> stack{{root, 0}};
        mark[root] = Mark::Open;
        while (!stack.empty()) {
            auto& [block, next] = stack.back();
            auto& entities = t.blocks[block].entities;
            if (next >= entities.size()) {
                mark[block] = Mark::Done;
                stack.pop_back();
                continue;
            }
            const EntityData& e = entities[next];
            if (e.kind != EntityKind::Insert) {
                ++next;
                continue;
            }
            auto target = index.find(e.blockName.toUpper());
            if (target == index.end() || mark[target->second] == Mark::Done) {
                ++next;
            } else if (mark[target->second] == Mark::Open) {
                entities.erase(entities.begin() + static_cast<std::ptrdiff_t>(next));   // closes a cycle
            } else {
                ++next;
                mark[target->second] = Mark::Open;
                stack.push_back({target->second, 0});
            }
        }
    }
}

// Layers, line types and styles the entities use but the file did not define are added.
void completeTables(DocumentModel& model)
{
    auto& t = model.tables();
    QSet<QString> known;
    for (const auto& l : t.layers)
        known.insert(l.name.toUpper());
    if (!known.contains(QStringLiteral("0")))
        t.layers.insert(t.layers.begin(), LayerData{QStringLiteral("0"), 7, QStringLiteral("CONTINUOUS"), 0, -3});
    QString last;   // entities come in runs on one layer
    auto check = [&](const EntityData& e) {
        if (e.layer == last)
            return;
        last = e.layer;
        if (!known.contains(e.layer.toUpper())) {
            known.insert(e.layer.toUpper());
            t.layers.push_back(LayerData{e.layer, 7, QStringLiteral("CONTINUOUS"), 0, -3});
        }
    };
    model.forEach(check);
    for (const auto& b : t.blocks)
        for (const auto& e : b.entities)
            check(e);
    if (t.styles.empty()) {
        TextStyleData standard;
        standard.name = QStringLiteral("Standard");
        standard.font = QStringLiteral("txt");
        t.styles.push_back(standard);
    }
}

} // namespace

bool looksLikeDxf(const QByteArray& head)
{
    QByteArrayView v(head);
    if (v.startsWith("\xEF\xBB\xBF"))
        v = v.sliced(3);
    return looksLikeAsciiDxf(std::string_view(v.data(), static_cast<std::size_t>(v.size())));
}

namespace {

// dxflib reads from a stream; this one reads the cleaned text where it lies, without a copy.
class TextBuffer : public std::streambuf {
public:
    explicit TextBuffer(std::string& text) { setg(text.data(), text.data(), text.data() + text.size()); }
};

// The first pass over the file's bytes; a refused file throws here.
ScannedDxf scanBytes(const QByteArray& bytes)
{
    if (bytes.startsWith("AutoCAD Binary DXF"))
        throw AutomationError(errors::FileError, QStringLiteral("binary DXF files are not read; save the drawing as ASCII DXF"));
    if (bytes.startsWith("AC10") || bytes.startsWith("AC1."))
        throw AutomationError(errors::FileError, QStringLiteral("DWG files are not read; save the drawing as DXF"));
    try {
        return scanDxf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const AutomationError&) {
        throw;
    } catch (const std::exception& e) {
        throw AutomationError(errors::FileError, QStringLiteral("the DXF file could not be read: %1").arg(QString::fromLocal8Bit(e.what())));
    }
}

// dxflib parses the cleaned text into the drawing.
void parseScanned(ScannedDxf& scan, DocumentModel& model)
{
    try {
        DocumentModel filled(nullptr);
        filled.setBulkLoading(true);
        Adapter adapter(filled, scan);
        TextBuffer buffer(scan.cleaned);
        std::istream in(&buffer);
        DL_Dxf dxf;
        if (!dxf.in(in, &adapter))
            throw AutomationError(errors::FileError, QStringLiteral("the DXF file could not be parsed"));
        scan.cleaned = std::string();   // read through; the drawing takes the memory from here on
        adapter.finish();
        breakBlockCycles(filled.tables());
        completeTables(filled);
        filled.setBulkLoading(false);
        model.adopt(std::move(filled));
        model.setNotKeptOnRead(scan.notKept);
    } catch (const AutomationError&) {
        throw;
    } catch (const std::exception& e) {
        // dxflib's own failures and running out of memory on a huge file end here.
        throw AutomationError(errors::FileError, QStringLiteral("the DXF file could not be read: %1").arg(QString::fromLocal8Bit(e.what())));
    }
}

} // namespace

void readDxf(const QByteArray& bytes, DocumentModel& model)
{
    ScannedDxf scan = scanBytes(bytes);
    parseScanned(scan, model);
}

void readDxfFile(const QString& path, DocumentModel& model)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw AutomationError(errors::FileNotFound, QStringLiteral("no drawing file %1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw AutomationError(errors::FileError, QStringLiteral("the drawing file %1 cannot be read").arg(path));
    // Larger than any plan this program meets, and still far below what memory allows.
    constexpr qint64 kMaxSize = 512LL * 1024 * 1024;
    if (file.size() > kMaxSize)
        throw AutomationError(errors::FileError, QStringLiteral("the drawing file %1 is too large").arg(path));
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        throw AutomationError(errors::FileError, QStringLiteral("the drawing file %1 could not be read whole").arg(path));
    ScannedDxf scan = scanBytes(bytes);
    bytes = QByteArray();   // the cleaned text holds all that is read from here on
    parseScanned(scan, model);
}

} // namespace cad
