// Header variables, tables, blocks and entities of a DXF text, with DXF's defaults, into the drawing.
#include "platform/cad/dxf/dxf_builder.h"

#include "platform/cad/dxf/dxf_angles.h"
#include "platform/cad/dxf/dxf_extrusion.h"
#include "platform/cad/dxf/dxf_groups.h"
#include "platform/cad/dxf/dxf_layouts.h"
#include "platform/cad/geometry/geometry_transform.h"

#include <QVariantList>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

namespace cad {

namespace {

// A vertex width the file does not give: the polyline's default holds for it.
constexpr double kNotGiven = std::numeric_limits<double>::quiet_NaN();

Point point(double x, double y, double z) { return {finiteOr(x, 0), finiteOr(y, 0), finiteOr(z, 0)}; }

double bulgeOf(double b) { return std::isfinite(b) && std::abs(b) < 1e6 ? b : 0; }

} // namespace

DxfDrawingBuilder::DxfDrawingBuilder(DocumentModel& model) : m_model(model)
{
    m_text.configure({}, {});
    for (const auto& b : m_model.tables().blocks)
        m_blockNames.insert(b.name.toCaseFolded());
}

void DxfDrawingBuilder::configure(const QString& acadver, const QString& codepage)
{
    if (m_encodingLocked || (acadver == m_acadver && codepage == m_codepage))
        return;
    if (m_text.decodedNonAscii())
        m_mixedEncoding = true;
    m_acadver = acadver;
    m_codepage = codepage;
    m_text.configure(acadver, codepage);
    m_names.clear();
    m_looks.clear();
}

DxfDrawingBuilder::Kind DxfDrawingBuilder::kindOf(std::string_view t)
{
    if (t == "VERTEX") return Kind::Vertex;
    if (t == "SEQEND") return Kind::SeqEnd;
    if (t == "BLOCK") return Kind::Block;
    if (t == "ENDBLK") return Kind::EndBlock;
    if (t == "LAYER") return Kind::Layer;
    if (t == "LTYPE") return Kind::Linetype;
    if (t == "STYLE") return Kind::Style;
    if (t == "BLOCK_RECORD")
        return Kind::BlockRecord;
    return Kind::None;
}

void DxfDrawingBuilder::begin(std::string_view type, bool invisible)
{
    end();
    ++m_object;
    m_firstCode = INT32_MAX;
    m_invisible = invisible;
    m_kind = Kind::None;
    m_entity = nullptr;
    if (m_section == Section::Header) {
        if (!type.empty() && type.front() == '$') {
            m_kind = Kind::Setting;
            m_key = type;
        }
        return;
    }
    const DxfEntityKind* entity = dxfEntityKind(type);
    const Kind kind = entity ? Kind::Entity : kindOf(type);
    const bool entry =
        kind == Kind::Layer || kind == Kind::Linetype || kind == Kind::Style || kind == Kind::BlockRecord;
    if (entry == (m_section == Section::Tables)) {
        m_kind = kind;
        m_entity = entity;
    }
}

void DxfDrawingBuilder::group(int code, std::string_view value, double number)
{
    if (code == 9 && m_section == Section::Header) {
        begin(value);
        return;
    }
    if (code < kFirstCode || code > kLastCode)
        return;
    // A line break of another system (CR CR LF) leaves CRs behind a value: they are not part of it.
    while (!value.empty() && value.back() == '\r')
        value.remove_suffix(1);
    if (code >= 1000 && code <= 1071) {
        // An entity's, a layer's and a block's extended data is kept, and that of a 3D polyline's
        // end of vertices; a vertex has no record of its own to keep it in, nor has the end of a 2D
        // polyline's (which is written as a light-weight polyline).
        if (m_kind == Kind::Entity || m_kind == Kind::Layer || m_kind == Kind::BlockRecord || m_kind == Kind::Block
            || (m_kind == Kind::SeqEnd && m_polyline && isPolyline3d(*m_polyline)))
            extendedGroup(code, value, number);
        else if ((m_kind == Kind::Vertex || m_kind == Kind::SeqEnd) && m_polyline)
            note(m_polylineLoses,
                 m_kind == Kind::Vertex ? NotKeptKind::VertexExtendedData : NotKeptKind::SequenceEndExtendedData);
        return;
    }
    if (m_kind == Kind::Entity && m_entity->collect) {
        (this->*m_entity->collect)(code, value, number);
        if (std::exchange(m_skipGroup, false))
            return;
    } else if (m_kind == Kind::Linetype) {
        if (code == 49)
            m_dashes.push_back(finiteOr(number, 0));
        else if (!m_dashes.empty())
            linetypeText(code, value, number);
    }
    m_marks[code - kFirstCode] = m_object;
    m_values[code - kFirstCode] = value;
    m_numbers[code - kFirstCode] = number;
    m_firstCode = std::min(m_firstCode, code);
}

// Groups of numeric codes come read and checked; others are read as far as they hold a number.
double DxfDrawingBuilder::real(int code, double fallback) const
{
    if (!has(code))
        return fallback;
    const double n = m_numbers[code - kFirstCode];
    return std::isnan(n) ? dxfReal(m_values[code - kFirstCode]) : n;
}

int DxfDrawingBuilder::integer(int code, int fallback) const
{
    if (!has(code))
        return fallback;
    const double n = m_numbers[code - kFirstCode];
    return std::isnan(n) ? dxfLeadingInt(m_values[code - kFirstCode]) : static_cast<int>(n);
}

void DxfDrawingBuilder::end()
{
    const Kind kind = m_kind;
    const DxfEntityKind* entity = m_entity;
    m_kind = Kind::None;
    switch (kind) {
    case Kind::None: return;
    case Kind::Setting: setting(); break;
    case Kind::Layer: layer(); break;
    case Kind::Linetype: linetype(); break;
    case Kind::Style: style(); break;
    case Kind::BlockRecord:
        blockRecord();
        break;
    case Kind::Block: block(); break;
    case Kind::EndBlock: endBlock(); break;
    case Kind::Entity:
        (this->*entity->read)();
        break;
    case Kind::Vertex: vertex(); break;
    case Kind::SeqEnd:
        sequenceEnd();
        break;
    }
    m_mtextChunks.clear();
    m_mtextColumnGroups = m_mtextEmbedded = m_mtextColumns = false;
    m_extended.clear();
    m_extendedLost.reset();
    m_appLost.reset();
    m_lwVertices.clear();
    m_lwWidths.clear();
    m_dashes.clear();
    m_dashTexts.clear();
}

void DxfDrawingBuilder::finish()
{
    end();
    flushPolyline();
    endBlockDefinition();
    // The style tables come after the line types: their texts learn their style names only now.
    for (auto& lt : m_model.tables().linetypes)
        for (auto& t : lt.texts) {
            const auto style = m_styleHandles.find(t.style.toStdString());
            t.style = style != m_styleHandles.end() ? style->second : QString();
        }
    // Block records come before their blocks in the files other programs write, but need not.
    if (!m_recordExtended.isEmpty())
        for (auto& b : m_model.tables().blocks)
            if (const auto record = m_recordExtended.find(b.name.toCaseFolded()); record != m_recordExtended.end())
                b.recordExtendedData = std::move(*record);
}

QString DxfDrawingBuilder::decode(std::string_view raw) { return m_text.decode(raw); }

// A layer, line type, style or block name: each distinct one decoded once, its text shared by
// every entity that names it (a plan has few names and very many entities).
QString DxfDrawingBuilder::name(std::string_view raw)
{
    auto it = m_names.find(raw);
    if (it == m_names.end())
        it = m_names.emplace(std::string(raw), decode(raw)).first;
    return it->second;
}

// ---- header and tables

// A variable takes the value of its lowest group code: a string (codes 0-9 and 100 up), a point
// (10, 20, 30), a real (40-59) or a whole number (60-99).
void DxfDrawingBuilder::setting()
{
    const QString key = QString::fromLatin1(m_key.data(), static_cast<qsizetype>(m_key.size())).toUpper();
    const int c = m_firstCode;
    if (key.isEmpty() || c < 0 || c == INT32_MAX || (c > 10 && c < 40))
        return;
    QVariant value;
    if (c <= 9 || c >= 100)
        value = decode(str(c));
    else if (c == 10)
        value = QVariantList{finiteOr(real(10, 0), 0), finiteOr(real(20, 0), 0), finiteOr(real(30, 0), 0)};
    else if (c < 60) {
        const double d = real(c, 0);
        if (!std::isfinite(d))
            return;
        value = d;
    } else
        value = integer(c, 0);
    m_model.tables().variables.insert(key, value);
    m_model.tables().variableCodes.insert(key, c);
}

void DxfDrawingBuilder::layer()
{
    LayerData layer;
    layer.name = decode(str(2));
    if (layer.name.isEmpty())
        return;
    long long color = integer(62, 256);
    const bool off = color < 0;   // a negative colour switches the layer off
    color = std::llabs(color);
    if (color == 0 || color > 255)
        color = 7;
    layer.color = static_cast<short>(off ? -color : color);
    layer.linetype = decode(str(6, "BYLAYER"));
    if (layer.linetype.isEmpty())
        layer.linetype = QStringLiteral("CONTINUOUS");
    layer.flags = integer(70, 0);
    // The line weight (370); older files give a thickness (39) in its place.
    layer.lineweight = has(370) ? integer(370, -1) : has(39) ? dxfLeadingInt(str(39)) : -1;
    layer.plotted = integer(290, 1) != 0;
    if (has(420))
        layer.trueColor = integer(420, 0) & 0xFFFFFF;
    layer.extendedData = ownExtendedData();
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

void DxfDrawingBuilder::linetype()
{
    const std::string_view raw = str(2);
    if (raw.empty() || raw == "By Layer" || raw == "By Block" || raw == "BYLAYER" || raw == "BYBLOCK")
        return;
    LinetypeData lt;
    lt.name = decode(raw);
    lt.description = decode(str(3));
    lt.flags = integer(70, 0);
    lt.patternLength = finiteOr(real(40, 0), 0);
    lt.dashes = m_dashes;
    lt.texts = m_dashTexts;
    const bool declared = !lt.texts.empty() && lt.patternLength > 0;
    if (!lt.dashes.empty() && !declared) {
        lt.patternLength = 0;
        for (double dash : lt.dashes)
            lt.patternLength += std::abs(dash);
    }
    m_model.tables().linetypes.push_back(std::move(lt));
}

void DxfDrawingBuilder::style()
{
    TextStyleData s;
    s.name = decode(str(2));
    if (s.name.isEmpty())
        return;   // shape files (flag 1) have no name
    s.font = decode(str(3));
    s.bigFont = decode(str(4));
    s.height = finiteOr(real(40, 0), 0);
    const double width = real(41, 0);
    s.widthFactor = width > 0 && std::isfinite(width) ? width : 1;
    s.oblique = finiteOr(real(50, 0), 0);
    s.flags = integer(70, 0);
    if (has(5))
        m_styleHandles[std::string(dxfTrim(str(5)))] = s.name;
    m_model.tables().styles.push_back(s);
}

// The groups after a dash that put a text into the line type (74 with its bit 2, then 75, 340, 46,
// 50, 44, 45 and the text in 9). Shapes (bit 4) need their shape file, which is not kept: their
// dash stays a plain dash.
void DxfDrawingBuilder::linetypeText(int code, std::string_view value, double number)
{
    const std::size_t dash = m_dashes.size() - 1;
    if (code == 74) {
        const int flags = std::isnan(number) ? 0 : static_cast<int>(number);
        if ((flags & 2) && !(flags & 4)) {
            LinetypeText& t = m_dashTexts.emplace_back();
            t.dash = dash;
            t.flags = flags & 3;
        }
        return;
    }
    if (m_dashTexts.empty() || m_dashTexts.back().dash != dash)
        return;
    LinetypeText& t = m_dashTexts.back();
    switch (code) {
    case 340:
        t.style = QString::fromLatin1(dxfTrim(value));
        break;
    case 46:
        t.scale = finiteOr(number, 1);
        break;
    case 50:
        t.rotation = finiteOr(number, 0);
        break;
    case 44:
        t.x = finiteOr(number, 0);
        break;
    case 45:
        t.y = finiteOr(number, 0);
        break;
    case 9:
        t.text = decode(value);
        break;
    default:
        break;
    }
}

// ---- blocks

// Only a block record's extended data is kept; the rest of it is written anew.
void DxfDrawingBuilder::blockRecord()
{
    const QString name = decode(str(2));
    auto groups = ownExtendedData();
    if (groups.empty() || name.isEmpty())
        return;
    if (layoutBlockOf(name) != LayoutBlock::None)
        m_notKept.add(NotKeptKind::LayoutBlockExtendedData);
    else
        m_recordExtended.insert(name.toCaseFolded(), std::move(groups));
}

void DxfDrawingBuilder::block()
{
    flushPolyline();
    endBlockDefinition();
    const QString name = decode(str(2));
    auto extended = ownExtendedData();
    // The first two layouts are kept apart from the plan; the entities of any further one are lost
    // and counted. What stands in the plan's own block is part of the plan, as in the ENTITIES
    // section (the engine writes it there and the block empty). A block without a name cannot be
    // inserted: its entities are not drawn either.
    switch (layoutBlockOf(name)) {
    case LayoutBlock::Paper: {
        const QString block = QLatin1Char('*') + name.sliced(1);
        for (const char* kept : kLayoutBlocks)
            if (block.compare(QLatin1String(kept), Qt::CaseInsensitive) == 0)
                m_layoutBlock = QLatin1String(kept);
        m_skipBlock = m_skipLayout = m_layoutBlock.isEmpty();
        if (!extended.empty() && m_skipLayout)
            m_notKept.add(NotKeptKind::LayoutBlockExtendedData);
        else if (!extended.empty())
            layoutBlockData(m_layoutBlock, std::move(extended));
        return;
    }
    case LayoutBlock::Model:
        m_modelBlock = true;
        if (!extended.empty())
            layoutBlockData(QLatin1String(kWritersModelBlock), std::move(extended));
        return;
    case LayoutBlock::None:
        break;
    }
    if (name.isEmpty()) {
        m_skipBlock = true;
        return;
    }
    m_block = BlockDefinition{};
    m_block->name = name;
    m_block->base = point(real(10, 0), real(20, 0), real(30, 0));
    m_block->flags = integer(70, 0);
    m_block->description = decode(str(4));
    m_block->xrefPath = decode(str(1));
    m_block->extendedData = std::move(extended);
}

void DxfDrawingBuilder::endBlock()
{
    flushPolyline();
    endBlockDefinition();
}

void DxfDrawingBuilder::endBlockDefinition()
{
    // The first definition of a name holds; found by hash, as plans can hold very many blocks.
    if (m_block && !m_block->name.isEmpty() && !m_blockNames.contains(m_block->name.toCaseFolded())) {
        m_blockNames.insert(m_block->name.toCaseFolded());
        m_model.tables().blocks.push_back(std::move(*m_block));
    }
    m_block.reset();
    m_skipBlock = m_skipLayout = m_modelBlock = false;
    m_layoutBlock.clear();
}

// ---- entities

// A new entity of its row's kind with its layer, colour, line type and visibility.
EntityData DxfDrawingBuilder::start()
{
    flushPolyline();
    EntityData e;
    e.kind = m_entity->kind;
    e.layer = name(str(8, "0"));
    if (e.layer.isEmpty())
        e.layer = QStringLiteral("0");
    const int color = integer(62, kColorByLayer);
    e.color = static_cast<short>(color >= 0 && color <= 256 ? color : kColorByLayer);
    const QString lt = name(str(6, "BYLAYER"));
    e.linetype = lt.compare(QLatin1String("BYLAYER"), Qt::CaseInsensitive) == 0 ? QString() : lt;
    e.visible = !m_invisible;
    m_onPaper = integer(67, 0) == 1;
    m_losesOnSaving.reset();
    look(e);
    return e;
}

// Into the block or layout being read, else into the plan or (flagged as paper space) the first
// layout; in the world, or counted where it is tilted out of the plan. An insert of the plan or of a layout is left out and counted: the plan cannot stand in
// itself, and a layout is no block to place.
void DxfDrawingBuilder::put(EntityData e)
{
    if (!inWorld(e))
        return;
    if (m_skipBlock) {
        if (m_skipLayout)
            m_notKept.add(NotKeptKind::LayoutEntity);
        return;
    }
    if (e.kind == EntityKind::Insert && layoutBlockOf(e.blockName) != LayoutBlock::None) {
        m_notKept.add(NotKeptKind::InsertOfLayout);
        return;
    }
    if (m_losesOnSaving)
        m_notKept.add(*m_losesOnSaving);
    e.handle = 0;
    if (m_modelBlock)
        m_model.add(std::move(e));
    else if (m_block)
        m_block->entities.push_back(std::move(e));
    else if (!m_layoutBlock.isEmpty())
        layout(m_layoutBlock).entities.push_back(std::move(e));
    else if (m_onPaper)
        layout(QLatin1String(kLayoutBlocks[0])).entities.push_back(std::move(e));
    else
        m_model.add(std::move(e));
}

// Extended data of the plan's or a kept layout's block (other programs put their own there), written
// back with it; the layout is kept even where it holds nothing else.
void DxfDrawingBuilder::layoutBlockData(const QString& block, std::vector<ExtendedGroup> groups)
{
    if (block != QLatin1String(kWritersModelBlock))
        layout(block);
    m_model.tables().ownBlockExtendedData[block] = std::move(groups);
}

LayoutData& DxfDrawingBuilder::layout(const QString& block)
{
    auto& layouts = m_model.tables().layouts;
    for (auto& l : layouts)
        if (l.block == block)
            return l;
    return layouts.emplace_back(LayoutData{block, {}, {}});
}

void DxfDrawingBuilder::layoutName(const char* block, std::string_view raw, int tab)
{
    while (!raw.empty() && raw.back() == '\r')
        raw.remove_suffix(1);
    LayoutData& l = layout(QLatin1String(block));
    l.name = decode(raw);
    l.tab = tab;
}

void DxfDrawingBuilder::line()
{
    EntityData e = start();
    e.start = point(real(10, 0), real(20, 0), real(30, 0));
    e.end = point(real(11, 0), real(21, 0), real(31, 0));
    put(std::move(e));
}

void DxfDrawingBuilder::arc() { arcOrCircle(false); }

void DxfDrawingBuilder::circle() { arcOrCircle(true); }

void DxfDrawingBuilder::arcOrCircle(bool circle)
{
    EntityData e = start();
    const double radius = real(40, 0);
    if (!(radius > 0) || !std::isfinite(radius))
        return;
    e.center = point(real(10, 0), real(20, 0), real(30, 0));
    e.radius = radius;
    if (!circle) {
        double start = finiteOr(real(50, 0), 0), end = finiteOr(real(51, 0), 0);
        if (facesDown(e))
            mirrorArcDegrees(start, end);
        e.startAngle = geom::normalizeAngle(dxfRadians(start));
        e.endAngle = geom::normalizeAngle(dxfRadians(end));
    }
    put(std::move(e));
}

void DxfDrawingBuilder::text()
{
    EntityData e = start();
    e.insertion = point(real(10, 0), real(20, 0), real(30, 0));
    e.alignment = point(real(11, 0), real(21, 0), real(31, 0));
    const double height = real(40, 2.5);
    e.height = height > 0 && std::isfinite(height) ? height : 1;
    const double width = real(41, 1);
    e.widthFactor = width > 0 && std::isfinite(width) ? width : 1;
    e.hAlign = static_cast<std::int16_t>(std::clamp(integer(72, 0), 0, 5));
    e.vAlign = static_cast<std::int16_t>(std::clamp(integer(73, 0), 0, 3));
    e.text = decode(str(1));
    e.style = name(str(7));
    e.rotation = geom::normalizeAngle(finiteOr((real(50, 0) * 2 * M_PI) / 360.0, 0));
    // Mirrored, its baseline turns the other way: negated, not brought into a turn again, so that
    // it is written back as read.
    if (facesDown(e))
        e.rotation = -e.rotation;
    textLook(e);
    put(std::move(e));
}

// The chunks (3) of a long text, in their order. Its columns (type 75, count 76, 78, 79, width 48,
// gutter 49, heights 50) and the embedded object after 101 use codes the text's own groups use
// too (its rotation, its insertion point and height): they are set aside, and a text in columns
// is counted, as its columns are not written back.
void DxfDrawingBuilder::mtextChunk(int code, std::string_view value, double number)
{
    if (code == 101)
        m_mtextEmbedded = true;
    if (m_mtextEmbedded) {
        m_mtextColumns = m_mtextColumns || (code == 71 && number != 0); // its column type
        m_skipGroup = true;
        return;
    }
    if (code == 75) {
        m_mtextColumnGroups = true;
        m_mtextColumns = m_mtextColumns || number != 0;
    }
    constexpr int kColumnCodes[] = {48, 49, 50, 75, 76, 78, 79};
    if (m_mtextColumnGroups
        && std::find(std::begin(kColumnCodes), std::end(kColumnCodes), code) != std::end(kColumnCodes))
        m_skipGroup = true;
    else if (code == 3)
        m_mtextChunks.append(value);
}

void DxfDrawingBuilder::mtext()
{
    EntityData e = start();
    e.insertion = point(real(10, 0), real(20, 0), real(30, 0));
    const double height = real(40, 2.5);
    e.height = height > 0 && std::isfinite(height) ? height : 1;
    e.mtextWidth = finiteOr(real(41, 0), 0);
    const int attachment = integer(71, 1);
    e.attachment = static_cast<std::int16_t>(attachment >= 1 && attachment <= 9 ? attachment : 1);
    // The chunks (3) come first, the last part (1) after them.
    m_mtextChunks.append(str(1));
    e.text = decode(m_mtextChunks);
    e.style = name(str(7));
    // The angle is in degrees, in the text's own system (a mirrored text's turns the other way); a
    // direction vector, in the world, wins when given.
    double degrees = finiteOr(real(50, 0), 0);
    if (facesDown(e))
        degrees = mirrorDegrees(degrees);
    double angle = dxfRadians(degrees);
    const double dx = real(11, 0), dy = real(21, 0);
    if ((dx != 0 || dy != 0) && std::isfinite(dx) && std::isfinite(dy))
        angle = std::atan2(dy, dx);
    e.rotation = geom::normalizeAngle(angle);
    mtextLook(e);
    if (m_mtextColumns)
        note(m_losesOnSaving, NotKeptKind::MTextColumns);
    put(std::move(e));
}

void DxfDrawingBuilder::insert()
{
    const std::string_view block = str(2);
    if (block.empty())
        return;
    EntityData e = start();
    e.blockName = name(block);
    e.insertion = point(real(10, 0), real(20, 0), real(30, 0));
    auto scale = [&](int code) {
        const double s = real(code, 1);
        return s != 0 && std::isfinite(s) ? s : 1;
    };
    e.scaleX = scale(41);
    e.scaleY = scale(42);
    e.scaleZ = scale(43);
    double rotation = finiteOr(real(50, 0), 0);
    if (facesDown(e))
        rotation = mirrorInsertDegrees(rotation);
    e.rotation = geom::normalizeAngle(dxfRadians(rotation));
    e.columns = static_cast<std::int16_t>(std::clamp(integer(70, 1), 1, 32767));
    e.rows = static_cast<std::int16_t>(std::clamp(integer(71, 1), 1, 32767));
    e.columnSpacing = finiteOr(real(44, 0), 0);
    e.rowSpacing = finiteOr(real(45, 0), 0);
    if (e.blockName.isEmpty())
        return;
    put(std::move(e));
}

// Each group 10 of a light-weight polyline begins a vertex, which the groups 20 and 42 after it fill in.
void DxfDrawingBuilder::lwVertex(int code, std::string_view, double number)
{
    if (code == 10) {
        m_lwVertices.push_back({number, 0, 0});
    } else if (code == 20 && !m_lwVertices.empty()) {
        m_lwVertices.back().y = number;
    } else if (code == 42 && !m_lwVertices.empty()) {
        m_lwVertices.back().bulge = number;
    } else if ((code == 40 || code == 41) && !m_lwVertices.empty()) {
        m_lwWidths.resize(m_lwVertices.size(), {kNotGiven, kNotGiven});
        (code == 40 ? m_lwWidths.back().start : m_lwWidths.back().end) = number;
    }
}

void DxfDrawingBuilder::polyline() { polylineRecord(false); }

void DxfDrawingBuilder::lwPolyline() { polylineRecord(true); }

// A light-weight polyline brings its vertices along; a 2D polyline takes them from the VERTEX
// entities after it, up to its SEQEND.
void DxfDrawingBuilder::polylineRecord(bool light)
{
    EntityData e = start();
    e.closed = (integer(70, 0) & 1) != 0;
    // A 2D polyline has its elevation as the z of its (otherwise empty) point; 38 where some write it.
    e.elevation = finiteOr(light ? real(38, 0) : real(30, real(38, 0)), 0);
    const SegmentWidth defaults = polylineWidths(e, light);
    if (!light) {
        const int flags = integer(70, 0);
        // A 3D polyline's vertices have heights and no widths.
        if (flags & kPolyline3d)
            e.rare.edit().polylineFlags |= kPolyline3d;
        // A curve fitted through the vertices (2) or a spline on them (4) is shown by the points
        // its file gives on it, but its fit cannot be written back as read.
        m_polylineLoses = m_losesOnSaving;
        if (flags & 6)
            note(m_polylineLoses, NotKeptKind::FittedPolyline);
        m_polylineWidths = flags & kPolyline3d ? SegmentWidth{} : defaults;
        m_polyline = std::move(e);
        m_vertexWidths.clear();
        return;
    }
    if (m_lwVertices.empty())
        return;
    e.vertices.reserve(m_lwVertices.size());
    for (const PolyVertex& v : m_lwVertices)
        e.vertices.push_back({finiteOr(v.x, 0), finiteOr(v.y, 0), bulgeOf(v.bulge)});
    vertexWidths(e, m_lwWidths, defaults, true);
    put(std::move(e));
}

void DxfDrawingBuilder::vertex()
{
    if (!m_polyline)
        return;
    const int flags = integer(70, 0);
    if ((flags & 128) && !(flags & 64))
        return;   // a face of a mesh, not a point
    if (flags & 16)
        return; // a control point of a spline's frame, not on the curve as CAD programs draw it
    if (isPolyline3d(*m_polyline)) {
        m_polyline->vertices.push_back({finiteOr(real(10, 0), 0), finiteOr(real(20, 0), 0), 0});
        m_polyline->rare.edit().vertexZ.push_back(finiteOr(real(30, 0), 0));
        return;
    }
    m_polyline->vertices.push_back({finiteOr(real(10, 0), 0), finiteOr(real(20, 0), 0), bulgeOf(real(42, 0))});
    if (has(40) || has(41)) {
        m_vertexWidths.resize(m_polyline->vertices.size(), {kNotGiven, kNotGiven});
        m_vertexWidths.back() = {real(40, kNotGiven), real(41, kNotGiven)};
    }
}

// A 3D polyline takes the extended data of the end of its vertices.
void DxfDrawingBuilder::sequenceEnd()
{
    if (m_polyline && isPolyline3d(*m_polyline)) {
        if (auto groups = takeExtendedData(m_polylineLoses); !groups.empty())
            m_polyline->rare.edit().sequenceEndData = std::move(groups);
    }
    flushPolyline();
}

void DxfDrawingBuilder::flushPolyline()
{
    if (!m_polyline)
        return;
    EntityData e = std::move(*m_polyline);
    m_polyline.reset();
    vertexWidths(e, m_vertexWidths, m_polylineWidths, false);
    m_vertexWidths.clear();
    m_losesOnSaving = m_polylineLoses;
    if (!e.vertices.empty())
        put(std::move(e));
}

} // namespace cad
