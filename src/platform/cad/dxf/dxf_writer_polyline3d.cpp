// A 3D polyline written as R2000 has it: the POLYLINE, a VERTEX entity for each vertex, its SEQEND.
#include "platform/cad/dxf/dxf_output.h"
#include "platform/cad/dxf/dxf_writer.h"

namespace cad {

namespace {

// The flag of a 3D polyline's vertex.
constexpr int kVertex3d = 32;

} // namespace

// Handles as every other entity has them (dxflib's); the vertices and the end of the sequence carry
// only their layer, as other programs write them. A vertex the heights do not reach (one added by
// an automation call) stands at the polyline's elevation.
void DxfWriter::polyline3d(const EntityData& e, const DL_Attributes& a)
{
    const RareProperties& r = *e.rare;
    entityGroups(e, "AcDb3dPolyline");
    m_w.entity("POLYLINE");
    m_w.subClass("AcDbEntity");
    m_w.entityAttributes(a);
    m_w.subClass("AcDb3dPolyline");
    m_w.dxfInt(66, 1);
    m_w.dxfReal(10, 0);
    m_w.dxfReal(20, 0);
    m_w.dxfReal(30, e.elevation);
    thickness(e);
    m_w.dxfInt(70, kPolyline3d | (e.closed ? 1 : 0) | (r.polylineFlags & 128));
    direction(e);
    extendedData(r.extendedData);
    for (std::size_t i = 0; i < e.vertices.size(); ++i) {
        m_w.entity("VERTEX");
        m_w.subClass("AcDbEntity");
        m_w.dxfString(8, a.getLayer());
        m_w.subClass("AcDbVertex");
        m_w.subClass("AcDb3dPolylineVertex");
        m_w.dxfReal(10, e.vertices[i].x);
        m_w.dxfReal(20, e.vertices[i].y);
        m_w.dxfReal(30, i < r.vertexZ.size() ? r.vertexZ[i] : e.elevation);
        m_w.dxfInt(70, kVertex3d);
    }
    m_w.entity("SEQEND");
    m_w.subClass("AcDbEntity");
    m_w.dxfString(8, a.getLayer());
    extendedData(r.sequenceEndData);
}

} // namespace cad
