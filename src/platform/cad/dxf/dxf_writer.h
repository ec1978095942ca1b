// Writes a drawing's header, tables, blocks and entities through dxflib into one DXF text.
#pragma once

#include "platform/cad/dxf/dxf_layouts.h"
#include "platform/cad/dxf/dxf_text.h"
#include "platform/cad/model/document_model.h"

#include <dxflib/dl_dxf.h>

#include <QHash>
#include <QString>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace cad {

class DxfOutput;

class DxfWriter {
public:
    DxfWriter(const DocumentModel& model, DxfOutput& w, DxfEncoding encoding);

    // A character had to be escaped: other readers would take the escape for the name.
    bool escaped() const { return m_encoder.escaped(); }
    // The first name too long for a reader to take (see kDxfMaxValue), or nothing.
    const QString& tooLong() const { return m_tooLong; }

    void write();

    // How each kind of entity is written (the kinds table names them), with its layer, colour and
    // line type in `a`.
    void writeLine(const EntityData& e, const DL_Attributes& a);
    void writeArc(const EntityData& e, const DL_Attributes& a);
    void writeCircle(const EntityData& e, const DL_Attributes& a);
    void writeText(const EntityData& e, const DL_Attributes& a);
    void writeMText(const EntityData& e, const DL_Attributes& a);
    void writeInsert(const EntityData& e, const DL_Attributes& a);
    void writePolyline(const EntityData& e, const DL_Attributes& a);

private:
    // A name or other single-line value, whole. One longer than readers take is noted: cut, two
    // names could become one, so such a drawing is not saved.
    std::string text(const QString& s);
    // Every layer, line type and block the entities name gets a table entry, so readers find them.
    void collectNames();
    // The layouts as they are written, in the order of kLayoutBlocks: those read (the first always,
    // as readers expect it), or both where none was read.
    std::vector<DxfLayoutOut> layouts();
    bool writesLayout(const char* block) const;
    void header();
    static int defaultCode(const QVariant& v);
    void tables();
    // A line type with texts, written as dxflib writes the others plus each text's groups after
    // its dash; dxflib itself would write every dash plain.
    void complexLinetype(const LinetypeData& lt);
    bool knownLinetype(const QString& name) const;
    void blocks();
    // The entities of the layout standing in `block`, flagged as paper space.
    void layoutEntities(const char* block);
    DL_Attributes attributes(const EntityData& e);
    void entity(const EntityData& e);
    QString styleOf(const EntityData& e) const;
    // What few entities carry beyond their geometry (dxf_writer_rare.cpp): the common groups of
    // AcDbEntity that dxflib does not write, put in before the entity's own subclass `subclass`
    // (`always`: even none, where the groups queued next wait for the same marker's second coming);
    // its thickness and direction, each alone or both, written where the writer stands.
    void entityGroups(const EntityData& e, const char* subclass, bool always = false);
    void thicknessAndDirection(const EntityData& e);
    void thickness(const EntityData& e);
    void direction(const EntityData& e);
    // The entity in the coordinate system its file gave it in, to be written: a mirrored one's own,
    // made in `mirrored`; any other is the entity itself.
    static const EntityData& ownCoordinates(const EntityData& world, std::optional<EntityData>& mirrored);
    // A 3D polyline, with its VERTEX entities and SEQEND: dxflib writes every polyline of an R2000
    // file as a light-weight one, which has no heights.
    void polyline3d(const EntityData& e, const DL_Attributes& a);
    // Extended data (an entity's, at the end of its own record).
    void extendedData(const std::vector<ExtendedGroup>& data);
    // Each application of extended data is noted for the APPID table.
    void noteApplications(const std::vector<ExtendedGroup>& groups);
    // What dxflib leaves out of a layer entry and of a block (dxf_writer_tables.cpp), written at
    // the end of each: a layer's plot flag, true colour and extended data; a block's description
    // and extended data, and its record's.
    void layerGroups(const LayerData& l);
    void blockGroups(const BlockDefinition& b);
    // The extended data of the plan's or a layout's block, where the drawing has it.
    void ownBlockGroups(const char* block);
    // The one width of every segment, where all have the same at both ends.
    static std::optional<double> constantWidth(const std::vector<SegmentWidth>& widths);

    const DocumentModel& m_model;
    DxfOutput& m_w;
    DL_Dxf m_dxf;
    DxfTextEncoder m_encoder;
    std::vector<LayerData> m_layers;
    std::vector<const BlockDefinition*> m_blocks; // the kept blocks written, each name once
    std::map<QString, QString> m_insertedBlocks;  // upper-case name -> name as inserted, of those never defined
    std::set<QString> m_linetypeNames;
    QHash<QString, QString> m_styleNames; // upper-case name -> name as in the table
    std::map<QString, QString> m_applications; // upper-case name -> name, of the extended data beside ACAD's
    QString m_tooLong;
};

} // namespace cad
