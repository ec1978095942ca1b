// Writing a drawing as DXF (R2000 in GBK, R2007 in UTF-8) through dxflib: tables, blocks, entities.
#include "platform/cad/dxf/dxf_file.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/dxf/dxf_angles.h"
#include "platform/cad/dxf/dxf_common_groups.h"
#include "platform/cad/dxf/dxf_entity_kinds.h"
#include "platform/cad/dxf/dxf_extrusion.h"
#include "platform/cad/dxf/dxf_layouts.h"
#include "platform/cad/dxf/dxf_output.h"
#include "platform/cad/dxf/dxf_scan.h"
#include "platform/cad/dxf/dxf_text.h"
#include "platform/cad/dxf/dxf_writer.h"
#include "platform/cad/dxf/save_failure.h"
#include "platform/cad/geometry/geometry_transform.h"
#include "platform/cad/model/document_model.h"

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <set>

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

namespace {

// The blocks dxflib's block records and layout objects name, which the writer always writes.
constexpr const char* kWritersBlocks[] = {kWritersModelBlock, kLayoutBlocks[0], kLayoutBlocks[1]};

} // namespace

DxfWriter::DxfWriter(const DocumentModel& model, DxfOutput& w, DxfEncoding encoding)
    : m_model(model), m_w(w), m_encoder(encoding)
{
}

void DxfWriter::write()
{
    collectNames();
    m_w.layouts(layouts());
    m_w.enter(DxfOutput::Part::Header);
    header();
    tables();
    blocks();
    m_w.enter(DxfOutput::Part::Entities);
    m_w.sectionEntities();
    m_model.forEach([&](const EntityData& e) { entity(e); });
    // The first layout's entities stand among the plan's, flagged as paper space (R2000 and later).
    layoutEntities(kLayoutBlocks[0]);
    m_w.sectionEnd();
    m_w.enter(DxfOutput::Part::Objects);
    m_dxf.writeObjects(m_w);
    m_dxf.writeObjectsEnd(m_w);
    m_w.dxfEOF();
}

std::string DxfWriter::text(const QString& s)
{
    std::string out = m_encoder.encode(s);
    if (out.size() > kDxfMaxValue && m_tooLong.isEmpty())
        m_tooLong = s;
    return out;
}

void DxfWriter::collectNames()
{
    const auto& t = m_model.tables();
    m_layers = t.layers;
    // By hash: plans can hold many layers.
    QSet<QString> known;
    for (const auto& l : m_layers)
        known.insert(l.name.toUpper());
    if (!known.contains(QStringLiteral("0")))
        m_layers.insert(m_layers.begin(), LayerData{QStringLiteral("0"), 7, QStringLiteral("CONTINUOUS"), 0, -3});
    auto note = [&](const EntityData& e) {
        if (!e.layer.isEmpty() && !known.contains(e.layer.toUpper())) {
            known.insert(e.layer.toUpper());
            m_layers.push_back(LayerData{e.layer, 7, QStringLiteral("CONTINUOUS"), 0, -3});
        }
        if (e.kind == EntityKind::Insert && layoutBlockOf(e.blockName) == LayoutBlock::None)
            m_insertedBlocks.emplace(e.blockName.toUpper(), e.blockName);
        // Readers look up each application of extended data in the APPID table.
        if (e.rare)
            for (const auto* data : {&e.rare->extendedData, &e.rare->sequenceEndData})
                noteApplications(*data);
    };
    for (const auto& l : m_layers)
        noteApplications(l.extendedData);
    for (const auto& b : t.blocks) {
        noteApplications(b.extendedData);
        noteApplications(b.recordExtendedData);
    }
    for (const auto& [block, groups] : t.ownBlockExtendedData)
        noteApplications(groups);
    m_model.forEach(note);
    for (const auto& b : t.blocks)
        for (const auto& e : b.entities)
            note(e);
    for (const auto& l : t.layouts)
        for (const auto& e : l.entities)
            note(e);
    // Each name is written once, in any case: the plan's and the layouts' blocks first, then the
    // kept blocks, then empty definitions for the blocks inserted but never defined.
    QSet<QString> written;
    for (const char* own : kWritersBlocks)
        written.insert(QString::fromLatin1(own).toCaseFolded());
    for (const auto& b : t.blocks)
        if (!written.contains(b.name.toCaseFolded())) {
            written.insert(b.name.toCaseFolded());
            m_blocks.push_back(&b);
        }
    for (auto it = m_insertedBlocks.begin(); it != m_insertedBlocks.end();) {
        const QString folded = it->second.toCaseFolded();
        it = written.contains(folded) ? m_insertedBlocks.erase(it) : std::next(it);
        written.insert(folded);
    }
    for (const auto& lt : t.linetypes)
        m_linetypeNames.insert(lt.name.toUpper());
    // By hash: a text finds its style at once, however many styles there are.
    for (const auto& s : t.styles)
        if (!m_styleNames.contains(s.name.toUpper()))
            m_styleNames.insert(s.name.toUpper(), s.name); // the first of one name wins
}

bool DxfWriter::writesLayout(const char* block) const
{
    const auto& read = m_model.tables().layouts;
    return read.empty() || QLatin1String(block) == QLatin1String(kLayoutBlocks[0])
           || std::any_of(read.begin(), read.end(),
                          [&](const LayoutData& l) { return l.block == QLatin1String(block); });
}

// The tabs keep their order; a layout whose tab the file did not give comes after those it did.
std::vector<DxfLayoutOut> DxfWriter::layouts()
{
    const auto names = writtenLayoutNames(m_model.tables().layouts);
    std::vector<DxfLayoutOut> out;
    std::vector<int> tabs;
    for (std::size_t k = 0; k < std::size(kLayoutBlocks); ++k) {
        if (!writesLayout(kLayoutBlocks[k]))
            continue;
        int tab = 0;
        for (const auto& l : m_model.tables().layouts)
            if (l.block == QLatin1String(kLayoutBlocks[k]))
                tab = l.tab;
        out.push_back({kLayoutBlocks[k], text(names[k]), 0});
        tabs.push_back(tab > 0 ? tab : INT_MAX);
    }
    for (std::size_t k = 0; k < out.size(); ++k)
        for (std::size_t j = 0; j < out.size(); ++j)
            if (tabs[j] < tabs[k] || (tabs[j] == tabs[k] && j <= k))
                ++out[k].tab;
    return out;
}

void DxfWriter::header()
{
    m_dxf.writeHeader(m_w);
    m_w.dxfString(9, "$DWGCODEPAGE");
    m_w.dxfString(3, kWrittenCodepage);
    const auto& t = m_model.tables();
    static const std::set<QString> ownedByWriter = {QStringLiteral("$ACADVER"), QStringLiteral("$HANDSEED"),
                                                    QStringLiteral("$DWGCODEPAGE")};
    for (auto it = t.variables.begin(); it != t.variables.end(); ++it) {
        const QString& name = it.key();
        if (!name.startsWith(QLatin1Char('$')) || ownedByWriter.count(name))
            continue;
        const int code = t.variableCodes.value(name, defaultCode(it.value()));
        const QVariant& v = it.value();
        if (code == 10 && v.typeId() == QMetaType::QVariantList && v.toList().size() == 3) {
            const auto l = v.toList();
            m_w.dxfString(9, text(name));
            m_w.dxfReal(10, l[0].toDouble());
            m_w.dxfReal(20, l[1].toDouble());
            m_w.dxfReal(30, l[2].toDouble());
        } else if (code >= 1 && code <= 9) {
            m_w.dxfString(9, text(name));
            m_w.dxfString(code, text(v.toString()));
        } else if (code >= 40 && code <= 59) {
            m_w.dxfString(9, text(name));
            m_w.dxfReal(code, v.toDouble());
        } else if ((code >= 60 && code <= 79) || (code >= 90 && code <= 99) || (code >= 280 && code <= 289)
                   || (code >= 370 && code <= 389)) {
            m_w.dxfString(9, text(name));
            m_w.dxfInt(code, v.toInt());
        }
    }
    m_w.sectionEnd();
}

int DxfWriter::defaultCode(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
        return 70;
    case QMetaType::Double:
        return 40;
    case QMetaType::QVariantList:
        return 10;
    default:
        return 1;
    }
}

void DxfWriter::tables()
{
    const auto& t = m_model.tables();
    m_w.enter(DxfOutput::Part::Tables);
    m_w.sectionTables();
    m_dxf.writeVPort(m_w);

    std::vector<LinetypeData> extra;
    for (const auto& lt : t.linetypes) {
        const QString up = lt.name.toUpper();
        if (up != QLatin1String("BYBLOCK") && up != QLatin1String("BYLAYER") && up != QLatin1String("CONTINUOUS"))
            extra.push_back(lt);
    }
    m_w.tableLinetypes(static_cast<int>(3 + extra.size()));
    m_dxf.writeLinetype(m_w, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    m_dxf.writeLinetype(m_w, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    m_dxf.writeLinetype(m_w, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    for (const auto& lt : extra) {
        if (!lt.texts.empty()) {
            complexLinetype(lt);
            continue;
        }
        std::vector<double> dashes = lt.dashes;
        m_dxf.writeLinetype(m_w, DL_LinetypeData(text(lt.name), text(lt.description), lt.flags,
                                                 static_cast<int>(dashes.size()), lt.patternLength,
                                                 dashes.empty() ? nullptr : dashes.data()));
    }
    m_w.tableEnd();

    m_w.tableLayers(static_cast<int>(m_layers.size()));
    for (const auto& l : m_layers) {
        QString lt = l.linetype.isEmpty() ? QStringLiteral("CONTINUOUS") : l.linetype;
        if (!knownLinetype(lt))
            lt = QStringLiteral("CONTINUOUS");
        // dxflib negates the colour of a layer that is off itself.
        const int color = l.color == 0 ? 7 : std::abs(l.color);
        m_dxf.writeLayer(m_w, DL_LayerData(text(l.name), l.flags, l.color < 0),
                         DL_Attributes("", color, static_cast<int>(l.lineweight), text(lt), 1.0));
        layerGroups(l);
    }
    m_w.tableEnd();

    m_w.tableStyle(static_cast<int>(t.styles.size()));
    m_w.enter(DxfOutput::Part::StyleEntry);
    for (const auto& s : t.styles) {
        m_w.styleFonts(text(s.font), text(s.bigFont), s.name.toUpper());
        m_dxf.writeStyle(m_w, DL_StyleData(text(s.name), s.flags, s.height, s.widthFactor, s.oblique, 0, 2.5,
                                           text(s.family.isEmpty() ? s.font : s.family), text(s.bigFont)));
    }
    m_w.enter(DxfOutput::Part::Tables);
    m_w.tableEnd();

    m_dxf.writeView(m_w);
    m_dxf.writeUcs(m_w);
    m_w.tableAppid(static_cast<int>(1 + m_applications.size()));
    m_dxf.writeAppid(m_w, "ACAD");
    for (const auto& [key, name] : m_applications)
        m_dxf.writeAppid(m_w, text(name));
    m_w.tableEnd();
    m_w.enter(DxfOutput::Part::DimStyle);
    m_dxf.writeDimStyle(m_w, 1, 1, 1, 1, 1);
    m_w.enter(DxfOutput::Part::BlockRecords);
    m_dxf.writeBlockRecord(m_w);
    for (const BlockDefinition* b : m_blocks) {
        m_dxf.writeBlockRecord(m_w, text(b->name));
        extendedData(b->recordExtendedData);
    }
    for (const auto& [key, name] : m_insertedBlocks)
        m_dxf.writeBlockRecord(m_w, text(name));
    m_w.tableEnd();
    m_w.enter(DxfOutput::Part::Tables);
    m_w.resolveStylePointers();
    m_w.sectionEnd();
}

void DxfWriter::complexLinetype(const LinetypeData& lt)
{
    m_w.dxfString(0, "LTYPE");
    m_w.handle();
    m_w.dxfString(100, "AcDbSymbolTableRecord");
    m_w.dxfString(100, "AcDbLinetypeTableRecord");
    m_w.dxfString(2, text(lt.name));
    m_w.dxfInt(70, lt.flags);
    m_w.dxfString(3, text(lt.description));
    m_w.dxfInt(72, 65);
    m_w.dxfInt(73, static_cast<int>(lt.dashes.size()));
    m_w.dxfReal(40, lt.patternLength);
    for (std::size_t i = 0; i < lt.dashes.size(); ++i) {
        m_w.dxfReal(49, lt.dashes[i]);
        const auto t =
            std::find_if(lt.texts.begin(), lt.texts.end(), [i](const LinetypeText& x) { return x.dash == i; });
        if (t == lt.texts.end()) {
            m_w.dxfInt(74, 0);
            continue;
        }
        m_w.dxfInt(74, t->flags);
        m_w.dxfInt(75, 0);
        m_w.stylePointer(t->style.toUpper());
        m_w.dxfReal(46, t->scale);
        m_w.dxfReal(50, t->rotation);
        m_w.dxfReal(44, t->x);
        m_w.dxfReal(45, t->y);
        m_w.dxfString(9, text(t->text));
    }
}

bool DxfWriter::knownLinetype(const QString& name) const
{
    const QString up = name.toUpper();
    return up == QLatin1String("BYBLOCK") || up == QLatin1String("BYLAYER") || up == QLatin1String("CONTINUOUS")
           || m_linetypeNames.count(up);
}

void DxfWriter::blocks()
{
    m_w.enter(DxfOutput::Part::Blocks);
    m_w.sectionBlocks();
    // dxflib's block records and layout objects name these three; the second layout's entities
    // stand in its block.
    m_dxf.writeBlock(m_w, DL_BlockData(kWritersBlocks[0], 0, 0.0, 0.0, 0.0));
    ownBlockGroups(kWritersBlocks[0]);
    m_dxf.writeEndBlock(m_w, kWritersBlocks[0]);
    // By position, not by pointer: two uses of one string literal need not share an address.
    for (std::size_t i = 0; i < std::size(kLayoutBlocks); ++i) {
        const char* layout = kLayoutBlocks[i];
        if (!writesLayout(layout))
            continue;
        m_dxf.writeBlock(m_w, DL_BlockData(layout, 0, 0.0, 0.0, 0.0));
        ownBlockGroups(layout);
        if (i > 0)
            layoutEntities(layout);
        m_dxf.writeEndBlock(m_w, layout);
    }
    for (const BlockDefinition* b : m_blocks) {
        const std::string name = text(b->name);
        m_w.blockEntry(b->flags, text(b->xrefPath));
        m_dxf.writeBlock(m_w, DL_BlockData(name, b->flags, b->base[0], b->base[1], b->base[2]));
        m_w.endBlockEntry();
        blockGroups(*b);
        for (const auto& e : b->entities)
            entity(e);
        m_dxf.writeEndBlock(m_w, name);
    }
    for (const auto& [key, name] : m_insertedBlocks) {
        m_dxf.writeBlock(m_w, DL_BlockData(text(name), 0, 0.0, 0.0, 0.0));
        m_dxf.writeEndBlock(m_w, text(name));
    }
    m_w.sectionEnd();
}

DL_Attributes DxfWriter::attributes(const EntityData& e)
{
    QString lt = e.linetype.isEmpty() ? QStringLiteral("BYLAYER") : e.linetype;
    if (!knownLinetype(lt))
        lt = QStringLiteral("BYLAYER");
    // The common groups dxflib writes with the layer and colour (the true colour only where it is given).
    const RareProperties& r = *e.rare;
    DL_Attributes a(text(e.layer.isEmpty() ? QStringLiteral("0") : e.layer), e.color,
                    static_cast<int>(dxfCommonGroup(370).number(r)), text(lt), dxfCommonGroup(48).number(r));
    a.setColor24(static_cast<int>(dxfCommonGroup(420).number(r)));
    return a;
}

void DxfWriter::entity(const EntityData& e)
{
    // Other readers would take an insert of the plan or a layout for a block inserting itself.
    if (e.kind == EntityKind::Insert && layoutBlockOf(e.blockName) != LayoutBlock::None)
        return;
    if (!e.visible)
        m_w.hideNext();
    const DL_Attributes a = attributes(e);
    (this->*dxfEntityKind(e.kind).write)(e, a);
    m_w.endEntity();
    if (!isPolyline3d(e)) // written before its vertices
        extendedData(e.rare->extendedData);
}

void DxfWriter::layoutEntities(const char* block)
{
    for (const auto& l : m_model.tables().layouts) {
        if (l.block != QLatin1String(block))
            continue;
        const DxfOutput::Part outer = m_w.part();
        m_w.enter(DxfOutput::Part::PaperSpace);
        for (const auto& e : l.entities)
            entity(e);
        m_w.enter(outer);
    }
}

void DxfWriter::writeLine(const EntityData& e, const DL_Attributes& a)
{
    entityGroups(e, "AcDbLine");
    m_dxf.writeLine(m_w, DL_LineData(e.start[0], e.start[1], e.start[2], e.end[0], e.end[1], e.end[2]), a);
    thicknessAndDirection(e);
}

// A mirrored arc is written in its own coordinate system, as it was read.
void DxfWriter::writeArc(const EntityData& world, const DL_Attributes& a)
{
    std::optional<EntityData> mirrored;
    const EntityData& e = ownCoordinates(world, mirrored);
    double start = dxfDegrees(e.startAngle), end = dxfDegrees(e.endAngle);
    if (facesDown(e))
        mirrorArcDegrees(start, end);
    entityGroups(e, "AcDbCircle");
    m_w.beforeSubclass("AcDbArc", m_w.capture([&] { thicknessAndDirection(e); }));
    m_dxf.writeArc(m_w, DL_ArcData(e.center[0], e.center[1], e.center[2], e.radius, start, end), a);
}

void DxfWriter::writeCircle(const EntityData& world, const DL_Attributes& a)
{
    std::optional<EntityData> mirrored;
    const EntityData& e = ownCoordinates(world, mirrored);
    entityGroups(e, "AcDbCircle");
    m_dxf.writeCircle(m_w, DL_CircleData(e.center[0], e.center[1], e.center[2], e.radius), a);
    thicknessAndDirection(e);
}

// The text whole, however long: the reader takes long texts beside dxflib.
void DxfWriter::writeText(const EntityData& world, const DL_Attributes& a)
{
    std::optional<EntityData> mirrored;
    const EntityData& e = ownCoordinates(world, mirrored);
    const double rotation = facesDown(e) ? -e.rotation : e.rotation;
    entityGroups(e, "AcDbText", true);
    m_w.beforeSubclass("AcDbText", m_w.capture([&] {
        if (e.rare->oblique != 0)
            m_w.dxfReal(51, e.rare->oblique);
        thicknessAndDirection(e);
    }));
    m_dxf.writeText(m_w,
                    DL_TextData(e.insertion[0], e.insertion[1], e.insertion[2], e.alignment[0], e.alignment[1],
                                e.alignment[2], e.height, e.widthFactor, e.rare->textFlags, e.hAlign, e.vAlign,
                                m_encoder.encode(e.text), text(styleOf(e)), rotation),
                    a);
}

// dxflib gives the direction as an angle (50), which readers take in the entity's own system: that
// of a mirrored text is given as its vector in the world (11, 21, 31) instead, as CAD programs write it.
void DxfWriter::writeMText(const EntityData& e, const DL_Attributes& a)
{
    entityGroups(e, "AcDbMText");
    if (facesDown(e))
        m_w.insteadOf(50, m_w.capture([&] {
            m_w.dxfReal(11, std::cos(e.rotation));
            m_w.dxfReal(21, std::sin(e.rotation));
            m_w.dxfReal(31, 0);
        }));
    m_w.beginMText();
    const RareProperties& r = *e.rare;
    m_dxf.writeMText(m_w,
                     DL_MTextData(e.insertion[0], e.insertion[1], e.insertion[2], std::cos(e.rotation),
                                  std::sin(e.rotation), 0, e.height, e.mtextWidth, e.attachment,
                                  r.flowDirection ? r.flowDirection : 1, r.lineSpacingStyle ? r.lineSpacingStyle : 1,
                                  r.lineSpacing, m_encoder.encode(e.text), text(styleOf(e)), e.rotation),
                     a);
    for (const auto& [code, value] : r.otherGroups)
        m_w.dxfString(code, text(value));
    thicknessAndDirection(e);
}

// A mirrored reference is written in its own coordinate system, as it was read.
void DxfWriter::writeInsert(const EntityData& world, const DL_Attributes& a)
{
    std::optional<EntityData> mirrored;
    const EntityData& e = ownCoordinates(world, mirrored);
    double rotation = dxfDegrees(e.rotation);
    if (facesDown(e))
        rotation = mirrorInsertDegrees(rotation);
    entityGroups(e, "AcDbBlockReference");
    // dxflib writes the scales only where x or y is not 1, and z always as 1.
    if (e.scaleZ != 1) {
        const bool scalesWritten = e.scaleX != 1 || e.scaleY != 1;
        m_w.insteadOf(scalesWritten ? 43 : 50, m_w.capture([&] {
            if (!scalesWritten) {
                m_w.dxfReal(41, e.scaleX);
                m_w.dxfReal(42, e.scaleY);
            }
            m_w.dxfReal(43, e.scaleZ);
            if (!scalesWritten)
                m_w.dxfReal(50, rotation);
        }));
    }
    m_dxf.writeInsert(m_w,
                      DL_InsertData(text(e.blockName), e.insertion[0], e.insertion[1], e.insertion[2], e.scaleX,
                                    e.scaleY, e.scaleZ, rotation, e.columns, e.rows, e.columnSpacing, e.rowSpacing),
                      a);
    thicknessAndDirection(e);
}

// dxflib writes a polyline of an R2000 file as a light-weight polyline with its vertices inline
// (10, 20 and a bulge's 42); its widths go in with them.
void DxfWriter::writePolyline(const EntityData& world, const DL_Attributes& a)
{
    if (isPolyline3d(world)) {
        polyline3d(world, a);
        return;
    }
    std::optional<EntityData> mirrored;
    const EntityData& e = ownCoordinates(world, mirrored);
    entityGroups(e, "AcDbPolyline");
    m_dxf.writePolyline(m_w,
                        DL_PolylineData(static_cast<int>(e.vertices.size()), 0, 0,
                                        (e.closed ? 1 : 0) | e.rare->polylineFlags, e.elevation),
                        a);
    // dxflib leaves the elevation out.
    if (e.elevation != 0)
        m_w.dxfReal(38, e.elevation);
    const std::vector<SegmentWidth>& widths = e.rare->widths;
    const std::optional<double> constant = constantWidth(widths);
    if (constant)
        m_w.dxfReal(43, *constant);
    thickness(e);
    // Beside a constant width, the vertices' own widths as read.
    const std::vector<SegmentWidth>& own = constant ? e.rare->widthsBesideConstant : widths;
    for (std::size_t i = 0; i < e.vertices.size(); ++i) {
        const PolyVertex& v = e.vertices[i];
        if (i >= own.size()) {
            m_dxf.writeVertex(m_w, DL_VertexData(v.x, v.y, 0, v.bulge));
            continue;
        }
        m_w.dxfReal(10, v.x);
        m_w.dxfReal(20, v.y);
        m_w.dxfReal(40, own[i].start);
        m_w.dxfReal(41, own[i].end);
        if (v.bulge != 0)
            m_w.dxfReal(42, v.bulge);
    }
    direction(e);
    m_dxf.writePolylineEnd(m_w);
}

QString DxfWriter::styleOf(const EntityData& e) const
{
    if (const auto s = m_styleNames.constFind(e.style.toUpper()); s != m_styleNames.cend())
        return *s;
    return m_model.tables().styles.empty() ? QStringLiteral("Standard") : m_model.tables().styles.front().name;
}

namespace {

// A long name in a message: its start and its end, where two long names differ.
QString shortened(const QString& name)
{
    return name.size() <= 40 ? name : name.left(24) + QStringLiteral("…") + name.right(12);
}

// The end of the refusal of an over-long name, the part that names no name.
QString overlongNameEnding()
{
    return QStringLiteral("过长，超过 %1 字节，无法保存").arg(kDxfMaxValue);
}

// The text of the file: GBK when it holds every name and text (as earlier saves, byte for byte),
// else UTF-8, so that every reader reads the same names.
std::string dxfText(const DocumentModel& model)
{
    for (const DxfEncoding encoding : {DxfEncoding::Gbk, DxfEncoding::Utf8}) {
        DxfOutput w(encoding);
        DxfWriter writer(model, w, encoding);
        writer.write();
        if (encoding == DxfEncoding::Gbk && writer.escaped())
            continue;
        if (!writer.tooLong().isEmpty())
            throw AutomationError(errors::FileError, QStringLiteral("名称“%1”（%2 个字符）%3")
                                                         .arg(shortened(writer.tooLong()))
                                                         .arg(writer.tooLong().size())
                                                         .arg(overlongNameEnding()));
        return w.takeText();
    }
    return {};
}

} // namespace

void writeDxfFile(const QString& path, const DocumentModel& model)
{
    const QFileInfo target(path);
    if (target.isDir())
        throw AutomationError(errors::FileError, QStringLiteral("目标是一个文件夹"));
    if (!target.absoluteDir().exists())
        throw AutomationError(errors::FileError, QStringLiteral("文件夹不存在"));
    const std::string text = dxfText(model);
    const auto size = static_cast<qint64>(text.size());
    const QString folder = target.absolutePath();
    // Written beside the target and moved over it at the end, so a failed save leaves the old file whole.
    // Unbuffered: a buffered write error (disk full, file-size limit) would only surface while the
    // save file is committed, and QSaveFile would still move the cut file over the old one.
    QSaveFile file(target.absoluteFilePath());
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw AutomationError(errors::FileError, saveFailureCause(errno, size, folder));
    // A write that comes up short sets no error of the file: the cause is read from errno at once.
    errno = 0;
    const bool written = file.write(text.data(), size) == size && file.error() == QFileDevice::NoError;
    const int writeError = errno;
    if (!written) {
        file.cancelWriting();
        throw AutomationError(errors::FileError, saveFailureCause(writeError, size, folder));
    }
    errno = 0;
    if (!file.commit())
        throw AutomationError(errors::FileError, saveFailureCause(errno, size, folder));
}

bool refusesOverlongName(const QString& description)
{
    return description.endsWith(overlongNameEnding());
}

} // namespace cad
