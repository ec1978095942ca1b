// Entities read with equal looks (common groups and extended data) share one record of them, and
// only those: a look read once gives what reading it afresh gives.
#include "platform/cad/dxf/dxf_file.h"
#include "platform/cad/model/document_model.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

using namespace cad;

namespace {

QByteArray plan(const QByteArray& entities) { return "0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n"; }

// The look of a line on its layer: its true colour, its line weight and extended data.
QByteArray line(const char* look) { return QByteArray("0\nLINE\n8\n0\n10\n0\n20\n0\n11\n5\n21\n5\n") + look; }

const char* const kRoad = "420\n3050327\n370\n13\n1001\nSITEDATA\n1000\nROAD\n1070\n1\n1040\n0.5\n";

// Each row an entity and the name of its look: rows of one name must share a record, rows of
// different names must not.
const struct {
    const char* look;
    QByteArray entity;
} kRows[] = {
    {"road", line(kRoad)},
    {"road", line(kRoad)},
    {"road", QByteArray("0\nCIRCLE\n8\n0\n10\n0\n20\n0\n40\n2\n") + kRoad}, // another kind, the same look
    {"road, 1070 of 2", line("420\n3050327\n370\n13\n1001\nSITEDATA\n1000\nROAD\n1070\n2\n1040\n0.5\n")},
    {"road, 1071 of 1", line("420\n3050327\n370\n13\n1001\nSITEDATA\n1000\nROAD\n1071\n1\n1040\n0.5\n")},
    {"road, 1040 of 1.5", line("420\n3050327\n370\n13\n1001\nSITEDATA\n1000\nROAD\n1070\n1\n1040\n1.5\n")},
    {"lamp", line("420\n3050327\n370\n13\n1001\nSITEDATA\n1000\nLAMP\n1070\n1\n1040\n0.5\n")},
    {"other application", line("420\n3050327\n370\n13\n1001\nOTHERDATA\n1000\nROAD\n1070\n1\n1040\n0.5\n")},
    {"road, weight 18", line("420\n3050327\n370\n18\n1001\nSITEDATA\n1000\nROAD\n1070\n1\n1040\n0.5\n")},
    {"road, red", line("420\n11674146\n370\n13\n1001\nSITEDATA\n1000\nROAD\n1070\n1\n1040\n0.5\n")},
    {"road, no data", line("420\n3050327\n370\n13\n")},
    {"road data alone", line("1001\nSITEDATA\n1000\nROAD\n1070\n1\n1040\n0.5\n")},
    // Data with a handle is left out: what is kept of it is the rest.
    {"road data alone", line("1001\nSITEDATA\n1000\nROAD\n1070\n1\n1040\n0.5\n1001\nLINKS\n1005\n2F\n")},
    {"mirrored", QByteArray("0\nCIRCLE\n8\n0\n10\n0\n20\n0\n40\n2\n210\n0\n220\n0\n230\n-1\n")},
    {"mirrored", QByteArray("0\nARC\n8\n0\n10\n0\n20\n0\n40\n2\n50\n0\n51\n90\n210\n0\n220\n0\n230\n-1\n")},
    {"mirrored, red", QByteArray("0\nCIRCLE\n8\n0\n10\n0\n20\n0\n40\n2\n420\n11674146\n210\n0\n220\n0\n230\n-1\n")},
};

std::vector<std::uint64_t> handles(const DocumentModel& model)
{
    std::vector<std::uint64_t> out;
    model.forEach([&](const EntityData& e) { out.push_back(e.handle); });
    return out;
}

} // namespace

TEST(DxfSharedLooks, EntitiesShareALookOnlyWhereAllOfItIsEqual)
{
    QByteArray entities;
    for (const auto& r : kRows)
        entities += r.entity;
    DocumentModel model(nullptr);
    readDxf(plan(entities), model);
    const auto all = handles(model);
    ASSERT_EQ(all.size(), std::size(kRows));
    std::map<std::string, const RareProperties*> records;
    for (std::size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(kRows[i].entity.toStdString());
        const StoredEntity& s = *model.stored(all[i]);
        const RareProperties* rare = model.store().rare(s);
        ASSERT_NE(rare, nullptr);
        for (const auto& [look, record] : records)
            EXPECT_EQ(record == rare, look == kRows[i].look) << "against " << look; // one record for one look
        records.emplace(kRows[i].look, rare);
        // What the look gives is what the entity read alone gives.
        DocumentModel alone(nullptr);
        readDxf(plan(kRows[i].entity), alone);
        EXPECT_TRUE(*rare == *alone.store().rare(*alone.stored(handles(alone)[0])));
    }
    // The handle's data is counted for each entity that loses it.
    EXPECT_EQ(model.notKeptOnRead(), 1);
}

// A look met again is counted again where its values cannot be kept as read; an entity given one
// of its entity's looks and edited afterwards leaves the others as read.
TEST(DxfSharedLooks, EachEntityOfALookIsCountedAndEditedAlone)
{
    DocumentModel model(nullptr);
    readDxf(plan(line("370\n17\n") + line("370\n17\n") + line("370\n17\n")), model);
    EXPECT_EQ(model.notKeptOnRead(), 3);
    const auto all = handles(model);
    EntityData first = *model.find(all[0]);
    first.rare.edit().lineweight = 50;
    model.replace(all[0], first);
    EXPECT_EQ(model.find(all[0])->rare->lineweight, 50);
    EXPECT_EQ(model.find(all[1])->rare->lineweight, 18); // as readers repair 17
    EXPECT_EQ(model.find(all[2])->rare->lineweight, 18);
}
