// The compact entity store gives back exactly what was stored and keeps handles and order through edits.
#include "entity_samples.h"

#include "platform/cad/model/document_model.h"

#include <gtest/gtest.h>

using namespace cad;
using namespace cadtest;

namespace {

// Every kind, plain and carrying fields beyond its geometry, on shared, empty and Chinese names.
std::vector<EntityData> sample()
{
    std::vector<EntityData> all = {line(0, 0, 10, 5), curve(EntityKind::Circle, 3, 4, 2), curve(EntityKind::Arc, -3, 1, 7),
                                   polyline(1, 1, true), polyline(2, 2, false), text(5, 5)};
    EntityData insert;
    insert.kind = EntityKind::Insert;
    insert.blockName = QStringLiteral("TREE");
    insert.insertion = {8, 8, 0};
    insert.rows = 2;
    all.push_back(insert);
    EntityData odd = line(1, 2, 3, 4);
    odd.rotation = 0.5;              // a field lines do not use: kept all the same
    all.push_back(odd);
    EntityData oddCircle = curve(EntityKind::Circle, 0, 0, 1);
    oddCircle.start = {1, 1, 1};
    all.push_back(oddCircle);
    EntityData oddPolyline = polyline(0, 0, false);
    oddPolyline.radius = 3;
    all.push_back(oddPolyline);
    const QString layers[] = {QStringLiteral("0"), QStringLiteral("避雷针"), QString(), QStringLiteral("避雷针")};
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i].layer = layers[i % 4];
        all[i].linetype = i % 3 ? QString() : QStringLiteral("DASHED");
        all[i].color = static_cast<short>(i % 5 == 0 ? kColorByLayer : i);
        all[i].visible = i % 4 != 3;
    }
    return all;
}

} // namespace

TEST(EntityStore, GivesBackEveryFieldOfEveryEntity)
{
    DocumentModel model(nullptr);
    model.setDefaultTables();
    std::vector<std::uint64_t> handles;
    for (const EntityData& e : sample())
        handles.push_back(model.add(e));
    std::vector<EntityData> expected = sample();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        expected[i].handle = handles[i];
        const auto found = model.find(handles[i]);
        ASSERT_TRUE(found) << i;
        EXPECT_TRUE(*found == expected[i]) << "entity " << i;
    }
    std::size_t i = 0;
    model.forEach([&](const EntityData& e) { EXPECT_TRUE(e == expected[i++]) << "entity " << i - 1; });
    EXPECT_EQ(i, expected.size());
    // Plain curves are kept compactly, the one with a foreign field whole; names are kept once.
    EXPECT_EQ(model.stored(handles[0])->storage, EntityStorage::Line);
    EXPECT_EQ(model.stored(handles[7])->storage, EntityStorage::Whole);
    EXPECT_EQ(model.stored(handles[1])->layer, model.stored(handles[3])->layer);
}

TEST(EntityStore, ReplaceAndEraseKeepHandlesAndOrder)
{
    DocumentModel model(nullptr);
    const auto a = model.add(line(0, 0, 1, 1));
    const auto b = model.add(polyline(0, 0, true));
    const auto c = model.add(text(0, 0));

    // Replacing moves an entity between the compact and the whole form and back, also to another kind.
    std::vector<EntityData> replacements = {text(4, 4), curve(EntityKind::Arc, 1, 1, 2), line(5, 5, 6, 6)};
    for (EntityData r : replacements) {
        model.replace(a, r);
        r.handle = a;
        EXPECT_TRUE(*model.find(a) == r);
        EXPECT_EQ(model.handleAt(0), a);
    }
    model.erase(b);
    EXPECT_FALSE(model.find(b));
    EXPECT_FALSE(model.stored(b));
    EXPECT_TRUE(model.wasErased(b));
    EXPECT_FALSE(model.wasErased(a));
    EXPECT_EQ(model.count(), 2u);
    EXPECT_EQ(model.handleAt(1), c);
    EXPECT_EQ(model.handleAt(2), 0u);
    model.replace(b, line(0, 0, 2, 2));   // an erased entity stays erased
    EXPECT_FALSE(model.find(b));
    EXPECT_FALSE(model.find(0));
    EXPECT_FALSE(model.find(c + 1));
    const auto d = model.add(line(1, 1, 2, 2));
    EXPECT_GT(d, c);
    EXPECT_TRUE(model.find(d));
}
