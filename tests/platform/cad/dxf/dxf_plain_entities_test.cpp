// Lines, circles, arcs and light-weight polylines of model space come out as the same groups read in a block, in file order.
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace cad;

namespace {

// Entity groups after "0\n<KIND>\n", each awkward in its own way.
struct PlainCase {
    const char* kind;
    const char* groups;
};
const std::vector<PlainCase> kCases = {
    {"LINE", "8\nROAD\n62\n3\n10\n1.5\n20\n-2\n30\n0\n11\n4\n21\n5.25\n31\n1\n"},
    {"LINE", "10\n1\n20\n2\n11\n3\n21\n4\n"},                                   // no layer, colour or line type
    {"LINE", "8\n\n6\nbylayer\n10\n+1\n20\n2,5\n11\n  3  \n21\n1e-320\n"},       // empty layer, sign, comma, blanks, tiny
    {"LINE", "8\nA\n8\nB\n10\n1\n10\n7\n20\n2\n11\n3\n21\n4\n62\n999\n"},          // repeated groups, colour out of range
    {"LINE", "8\nWALL\n6\nDASHED\n60\n1\n62\n0\n10\n1\n20\n1\n11\n2\n21\n2\n"},    // invisible, by block, own line type
    {"LINE", "5\nFF\n102\n{ACAD_REACTORS\n330\n1F\n102\n}\n8\nX\n10\n1\n20\n1\n11\n9\n21\n9\n1001\nAPP\n1010\n5\n1020\n5\n"},
    {"CIRCLE", "8\nLAMP\n10\n3\n20\n4\n30\n0\n40\n0.6\n"},
    {"CIRCLE", "10\n3\n20\n4\n40\n0\n"},                                          // no radius: dropped
    {"CIRCLE", "10\n3\n20\n4\n40\n-2\n"},
    {"ARC", "8\nKERB\n10\n6\n20\n6\n40\n4\n50\n180\n51\n270\n"},
    {"ARC", "10\n0\n20\n0\n40\n1\n50\n-90\n51\n450\n"},                            // angles beyond a turn
    {"ARC", "10\n0\n20\n0\n40\n2\n"},                                              // no angles
    {"LWPOLYLINE", "8\nBUILDINGS\n90\n4\n70\n1\n38\n2.5\n10\n8\n20\n8\n10\n26\n20\n8\n42\n0.4\n10\n26\n20\n22\n10\n8\n20\n22\n"},
    {"LWPOLYLINE", "90\n9\n10\n1\n20\n2\n30\n5\n10\n3\n42\n1e9\n10\n4\n20\n5\n20\n6\n"},  // count wrong, a y missing, two ys, huge bulge
    {"LWPOLYLINE", "70\n0\n"},                                                   // no vertex: dropped
    {"LWPOLYLINE", "62\n5\n10\n1\n20\n1\n1001\nAPP\n1010\n9\n1020\n9\n"},   // one vertex and extended data
};

std::vector<EntityData> modelEntities(const DocumentModel& model)
{
    std::vector<EntityData> out;
    model.forEach([&](const EntityData& e) { out.push_back(e); });
    return out;
}

void expectSame(const EntityData& a, const EntityData& b)
{
    EXPECT_EQ(a.kind, b.kind);
    EXPECT_EQ(a.layer, b.layer);
    EXPECT_EQ(a.linetype, b.linetype);
    EXPECT_EQ(a.color, b.color);
    EXPECT_EQ(a.visible, b.visible);
    EXPECT_EQ(a.start, b.start);
    EXPECT_EQ(a.end, b.end);
    EXPECT_EQ(a.center, b.center);
    EXPECT_EQ(a.radius, b.radius);
    EXPECT_EQ(a.startAngle, b.startAngle);
    EXPECT_EQ(a.endAngle, b.endAngle);
    EXPECT_EQ(a.closed, b.closed);
    EXPECT_EQ(a.elevation, b.elevation);
    ASSERT_EQ(a.vertices.size(), b.vertices.size());
    for (std::size_t i = 0; i < a.vertices.size(); ++i) {
        EXPECT_EQ(a.vertices[i].x, b.vertices[i].x) << i;
        EXPECT_EQ(a.vertices[i].y, b.vertices[i].y) << i;
        EXPECT_EQ(a.vertices[i].bulge, b.vertices[i].bulge) << i;
    }
}

} // namespace

TEST(DxfPlainEntities, ReadAsDxflibReadsTheSameGroupsInABlock)
{
    std::size_t compared = 0;
    for (const PlainCase& c : kCases) {
        SCOPED_TRACE(std::string(c.kind) + ": " + c.groups);
        const std::string entity = std::string("0\n") + c.kind + "\n" + c.groups;
        const std::string dxf = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n8\n0\n2\nB\n70\n0\n10\n0\n20\n0\n" + entity
            + "0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + entity + "0\nENDSEC\n0\nEOF\n";
        DocumentModel model(nullptr);
        readDxf(QByteArray::fromStdString(dxf), model);
        const auto& blocks = model.tables().blocks;
        ASSERT_EQ(blocks.size(), 1u);
        const auto read = modelEntities(model);
        ASSERT_EQ(read.size(), blocks[0].entities.size());
        if (!read.empty())
            expectSame(read[0], blocks[0].entities[0]);
        compared += read.size();
    }
    EXPECT_EQ(compared, kCases.size() - 3);   // two circles without a radius, a polyline without vertices
}

TEST(DxfPlainEntities, KeepTheirPlaceAmongTheEntitiesDxflibReads)
{
    const QByteArray dxf = "0\nSECTION\n2\nENTITIES\n"
                           "0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n"
                           "0\nTEXT\n10\n0\n20\n0\n40\n1\n1\nA\n"
                           "0\nCIRCLE\n10\n0\n20\n0\n40\n1\n"
                           "0\nPOLYLINE\n66\n1\n70\n0\n0\nVERTEX\n10\n0\n20\n0\n0\nVERTEX\n10\n1\n20\n0\n0\nSEQEND\n"
                           "0\nARC\n10\n0\n20\n0\n40\n1\n50\n0\n51\n90\n"
                           "0\nLWPOLYLINE\n90\n2\n70\n0\n10\n0\n20\n0\n10\n1\n20\n1\n"
                           "0\nLINE\n10\n0\n20\n0\n11\n2\n21\n0\n"
                           "0\nINSERT\n2\nNONE\n10\n0\n20\n0\n"
                           "0\nLINE\n10\n0\n20\n0\n11\n3\n21\n0\n"
                           "0\nENDSEC\n0\nEOF\n";
    DocumentModel model(nullptr);
    readDxf(dxf, model);
    std::vector<EntityKind> kinds;
    model.forEach([&](const EntityData& e) { kinds.push_back(e.kind); });
    const std::vector<EntityKind> expected = {EntityKind::Line, EntityKind::Text, EntityKind::Circle,
                                              EntityKind::Polyline, EntityKind::Arc, EntityKind::Polyline,
                                              EntityKind::Line, EntityKind::Insert, EntityKind::Line};
    EXPECT_EQ(kinds, expected);
}
