// The compact entity store gives back exactly what was stored and keeps handles and order through edits.
#include "entity_samples.h"

#include "platform/cad/model/document_model.h"

#include <gtest/gtest.h>

using namespace cad;
using namespace cadtest;

namespace {

// A true colour, a lineweight and a group of extended data: the look plans from elsewhere give.
RarePropertiesPtr look(std::int32_t rgb, const QString& tag)
{
    RarePropertiesPtr r;
    r.edit().trueColor = rgb;
    r.edit().lineweight = 35;
    r.edit().extendedData = {{1001, QStringLiteral("SITEDATA"), 0}, {1000, tag, 0}, {1040, QString(), 2.5}};
    return r;
}

RarePropertiesPtr mirrored()
{
    RarePropertiesPtr r;
    r.edit().extrusion = {0, 0, -1};
    return r;
}

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
    // Rare properties on every kind, compact and whole.
    EntityData coloured = line(0, 0, 4, 4);
    coloured.rare = look(0x2E8B57, QStringLiteral("道路"));
    all.push_back(coloured);
    EntityData mirroredArc = curve(EntityKind::Arc, 2, 2, 3);
    mirroredArc.rare = mirrored();
    all.push_back(mirroredArc);
    EntityData wide = polyline(5, 5, true);
    wide.rare.edit().widths = {{0.5, 0.5}, {0.5, 1}, {1, 0}};
    wide.rare.edit().extrusion = {0, 0, -1};
    all.push_back(wide);
    EntityData threeD = polyline(6, 6, false);
    threeD.rare.edit().polylineFlags = kPolyline3d;
    threeD.rare.edit().vertexZ = {1, 2, 3};
    all.push_back(threeD);
    EntityData colouredText = text(1, 1);
    colouredText.rare = look(0x4169E1, QStringLiteral("名称"));
    colouredText.rare.edit().textFlags = 2;
    all.push_back(colouredText);
    EntityData oddMirrored = line(1, 1, 2, 2);
    oddMirrored.height = 1;
    oddMirrored.rare = mirrored();
    all.push_back(oddMirrored);
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
    // Curves are kept compactly, rare properties and all, the one with a foreign field whole; names
    // are kept once.
    EXPECT_EQ(model.stored(handles[0])->storage, EntityStorage::Line);
    EXPECT_EQ(model.stored(handles[7])->storage, EntityStorage::Whole);
    EXPECT_EQ(model.stored(handles[1])->layer, model.stored(handles[3])->layer);
    EXPECT_EQ(model.stored(handles[10])->storage, EntityStorage::Line);
    EXPECT_EQ(model.stored(handles[11])->storage, EntityStorage::Arc);
    EXPECT_EQ(model.stored(handles[12])->storage, EntityStorage::Polyline);
    EXPECT_EQ(model.stored(handles[13])->storage, EntityStorage::Polyline);
    EXPECT_EQ(model.stored(handles[14])->storage, EntityStorage::Whole);
    EXPECT_EQ(model.stored(handles[15])->storage, EntityStorage::Whole);
    // Whichever way it is kept, the store hands out an entity's rare properties as stored.
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const RareProperties* kept = model.store().rare(*model.stored(handles[k]));
        EXPECT_EQ(kept != nullptr, static_cast<bool>(expected[k].rare)) << "entity " << k;
        EXPECT_TRUE(!kept || *kept == *expected[k].rare) << "entity " << k;
    }
}

// Entities with equal rare properties share one record of them, which goes with the last of them;
// edits and erasures leave every other entity's properties as they were.
TEST(EntityStore, RarePropertiesAreSharedAndLetGo)
{
    DocumentModel model(nullptr);
    const EntityStore& store = model.store();
    auto with = [](EntityData e, const RarePropertiesPtr& r) {
        e.rare = r;
        return e;
    };
    const RarePropertiesPtr green = look(0x2E8B57, QStringLiteral("ROAD")), red = look(0xB22222, QStringLiteral("ROAD"));
    std::vector<std::uint64_t> handles;
    for (int i = 0; i < 6; ++i)
        handles.push_back(model.add(with(i % 2 ? curve(EntityKind::Circle, i, 0, 1) : line(i, 0, i, 1), green)));
    handles.push_back(model.add(with(line(0, 5, 1, 5), red)));
    const auto plain = model.add(line(0, 9, 1, 9));
    EXPECT_EQ(store.distinctRareProperties(), 2u);
    EXPECT_EQ(model.stored(handles[0])->rare, model.stored(handles[5])->rare);
    EXPECT_EQ(model.stored(plain)->rare, RarePropertyTable::kNone);

    // Extended data alone tells two records apart.
    RarePropertiesPtr other = green;
    other.edit().extendedData[1].text = QStringLiteral("LAMP");
    model.replace(handles[1], with(curve(EntityKind::Circle, 1, 0, 1), other));
    EXPECT_EQ(store.distinctRareProperties(), 3u);
    EXPECT_TRUE(*model.find(handles[1])->rare == *other);
    // A replacement that keeps the properties keeps the record; one that drops them, or changes the
    // entity to a text (kept whole), lets the entity's use of it go.
    model.replace(handles[6], with(line(0, 6, 1, 6), red));
    EXPECT_EQ(store.distinctRareProperties(), 3u);
    model.replace(handles[6], line(0, 6, 1, 6));
    EXPECT_EQ(store.distinctRareProperties(), 2u);
    EXPECT_FALSE(model.find(handles[6])->rare);
    model.replace(handles[1], with(text(0, 0), other));
    EXPECT_EQ(store.distinctRareProperties(), 1u);
    EXPECT_TRUE(*model.find(handles[1])->rare == *other);
    for (std::size_t i : {0u, 2u, 3u, 4u})
        model.erase(handles[i]);
    EXPECT_EQ(store.distinctRareProperties(), 1u);
    EXPECT_TRUE(*model.find(handles[5])->rare == *green);
    model.erase(handles[5]);
    EXPECT_EQ(store.distinctRareProperties(), 0u);
    // A record let go is made anew when wanted again.
    const auto again = model.add(with(line(0, 0, 1, 1), green));
    EXPECT_EQ(store.distinctRareProperties(), 1u);
    EXPECT_TRUE(*model.find(again)->rare == *green);
    EXPECT_TRUE(*model.find(handles[1])->rare == *other);
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
