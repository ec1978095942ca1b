// Snapping as a pure function, and the spatial index against a brute-force scan.
#include "platform/cad/model/document_model.h"
#include "platform/cad/model/slot_map.h"
#include "platform/cad/model/snap.h"
#include "platform/cad/model/spatial_index.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <random>

using namespace cad;

namespace {

TEST(Snap, NearestCandidateWithinTheApertureWins)
{
    const std::vector<SnapCandidate> c = {
        {{0, 0, 0}, SnapEnd, 1}, {{1, 0, 0}, SnapMid, 2}, {{1, 0, 0}, SnapEnd, 3}, {{5, 5, 0}, SnapCenter, 4}};
    struct Row {
        Point cursor;
        double aperture;
        int osmode;
        std::uint64_t expected;   // 0: nothing
    };
    const std::vector<Row> rows = {
        {{0.1, 0, 0}, 1, 7, 1},      // nearest end point
        {{0.9, 0, 0}, 1, 7, 3},      // end before mid at the same place
        {{0.9, 0, 0}, 1, 2, 2},      // only mid points on
        {{0.9, 0, 0}, 0.05, 7, 0},   // nothing within the aperture
        {{4.5, 4.5, 0}, 1, 3, 0},    // the centre is off
        {{4.5, 4.5, 0}, 1, 4, 4},
        {{0.5, 0, 0}, 1, 0, 0},      // snapping off
    };
    for (const auto& r : rows) {
        auto s = snap(c, r.cursor, r.aperture, r.osmode);
        EXPECT_EQ(s ? s->handle : 0, r.expected) << r.cursor[0] << "," << r.cursor[1] << " mode " << r.osmode;
    }
}

TEST(Snap, CandidatesOfEachKind)
{
    EntityData arc;
    arc.kind = EntityKind::Arc;
    arc.center = {0, 0, 0};
    arc.radius = 2;
    arc.startAngle = 0;
    arc.endAngle = 3.14159265358979323846;
    std::vector<SnapCandidate> out;
    snapCandidates(arc, SnapEnd | SnapMid | SnapCenter, out);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_NEAR(out[2].point[0], 0, 1e-12);   // the middle of the upper half
    EXPECT_NEAR(out[2].point[1], 2, 1e-12);
    EntityData poly;
    poly.kind = EntityKind::Polyline;
    poly.vertices = {{0, 0, 1}, {2, 0, 0}};   // a half circle below the chord
    out.clear();
    snapCandidates(poly, SnapMid, out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_NEAR(out[0].point[0], 1, 1e-12);
    EXPECT_NEAR(out[0].point[1], -1, 1e-12);
}

TEST(SpatialIndexTest, AgreesWithABruteForceScan)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> pos(-1000, 1000), size(0, 30);
    SpatialIndex index;
    std::map<std::uint64_t, Box> boxes;
    for (std::uint64_t id = 1; id <= 3000; ++id) {
        const double x = pos(rng), y = pos(rng);
        Box b{x, y, x + size(rng), y + size(rng)};
        if (id % 500 == 0)
            b = {-900, -900, 900, 900};   // a few huge outlines
        index.insert(id, b);
        boxes[id] = b;
    }
    for (std::uint64_t id = 1; id <= 3000; id += 3) {
        index.remove(id);
        boxes.erase(id);
    }
    // Added after the grid was built: beyond its edge, moved, and a broken box that meets nothing.
    for (std::uint64_t id = 3001; id <= 3040; ++id) {
        const double x = 1000 + pos(rng), y = pos(rng);
        const Box b{x, y, x + size(rng), y + size(rng)};
        index.insert(id, b);
        boxes[id] = b;
    }
    index.update(2, {1500, 1500, 1510, 1510});
    boxes[2] = {1500, 1500, 1510, 1510};
    index.insert(3041, {std::nan(""), 0, 1, 1});
    for (int q = 0; q < 200; ++q) {
        const double x = q % 4 == 0 ? 1000 + pos(rng) : pos(rng), y = pos(rng), w = q % 10 == 0 ? 800 : size(rng);
        const Box window{x, y, x + w, y + w};
        std::vector<std::uint64_t> expected;
        for (const auto& [id, b] : boxes)
            if (b.intersects(window))
                expected.push_back(id);
        auto got = index.query(window);
        std::sort(got.begin(), got.end());
        ASSERT_EQ(got, expected) << "query " << q;
    }
    EXPECT_EQ(index.size(), boxes.size() + 1);
}

// Boxes whose spans overflow a double (a line from -1e308 to 1e308) or that reach infinity: the
// grid is still built, in one pass as for a file or box by box, and every query answers as a scan.
TEST(SpatialIndexTest, BoxesWhoseSpansOverflowAreIndexedAndFound)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::vector<Box>> sets = {
        {{-1e308, 0, 1e308, 0}},
        {{-1e308, 0, 1e308, 0}, {0, 0, 1, 1}, {5, 5, 6, 6}},
        {{-1.7e308, -1.7e308, -1.7e308, -1.7e308}, {1.7e308, 1.7e308, 1.7e308, 1.7e308}, {0, 0, 1, 1}},
        {{0, 0, inf, 1}, {-inf, 2, 3, 3}, {1, 1, 2, 2}, {-1e300, -1e300, 1e300, 1e300}},
    };
    const std::vector<Box> windows = {
        {0, 0, 1, 1}, {-inf, -inf, inf, inf}, {1e300, -1, 1.7e308, 1}, {-inf, -inf, -1e308, -1e308}, {4, 4, 7, 7}};
    for (const bool deferred : {true, false})
        for (std::size_t set = 0; set < sets.size(); ++set) {
            SCOPED_TRACE(testing::Message() << "set " << set << (deferred ? " read" : " added"));
            SpatialIndex index;
            index.setDeferred(deferred);
            for (std::size_t i = 0; i < sets[set].size(); ++i)
                index.insert(i + 1, sets[set][i]);
            index.setDeferred(false);
            for (const Box& w : windows) {
                std::vector<std::uint64_t> expected;
                for (std::size_t i = 0; i < sets[set].size(); ++i)
                    if (sets[set][i].intersects(w))
                        expected.push_back(i + 1);
                auto got = index.query(w);
                std::sort(got.begin(), got.end());
                EXPECT_EQ(got, expected);
            }
        }
}

// Ids that share their place in the table (multiples of its length apart), erased and added
// again in between, against a std::map.
TEST(SlotMapTest, AgreesWithAMapThroughAddsErasesAndGrowth)
{
    SlotMap table;
    std::map<std::uint64_t, std::uint32_t> expected;
    std::mt19937 rng(5);
    for (std::uint32_t step = 0; step < 20000; ++step) {
        const std::uint64_t id = (rng() % 64) * 1024 + (step % 3 == 0 ? (std::uint64_t(1) << 40) : 0) + rng() % 8;
        if (rng() % 3 == 0) {
            EXPECT_EQ(table.erase(id), expected.erase(id) == 1);
        } else {
            table.set(id, step);
            expected[id] = step;
        }
    }
    EXPECT_EQ(table.size(), expected.size());
    for (std::uint64_t id = 0; id < 70 * 1024; ++id)
        for (std::uint64_t high : {std::uint64_t(0), std::uint64_t(1) << 40}) {
            const auto it = expected.find(id + high);
            const std::uint32_t* got = table.find(id + high);
            ASSERT_EQ(got != nullptr, it != expected.end()) << id + high;
            if (got) {
                EXPECT_EQ(*got, it->second);
            }
        }
}

TEST(Snap, NearestEntityAndSnapFollowEdits)
{
    DocumentModel model(nullptr);
    EntityData l;
    l.kind = EntityKind::Line;
    l.start = {0, 0, 0};
    l.end = {10, 0, 0};
    const std::uint64_t line = model.add(l);
    EntityData c;
    c.kind = EntityKind::Circle;
    c.center = {20, 0, 0};
    c.radius = 3;
    const std::uint64_t circle = model.add(c);
    model.setVariable(QStringLiteral("OSMODE"), 7);
    EXPECT_EQ(model.nearestEntity({5, 0.5, 0}, 1), line);
    EXPECT_EQ(model.nearestEntity({20, 3.2, 0}, 1), circle);
    EXPECT_EQ(model.nearestEntity({15, 10, 0}, 1), 0u);
    auto s = model.snapPoint({9.8, 0.1, 0}, 0.5);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->point, (Point{10, 0, 0}));
    EXPECT_EQ(s->mode, SnapEnd);
    l.end = {0, 10, 0}; // turned a quarter about its start
    model.replace(line, l);
    EXPECT_EQ(model.nearestEntity({5, 0.5, 0}, 1), 0u);
    EXPECT_EQ(model.nearestEntity({0.2, 5, 0}, 1), line);
    model.erase(circle);
    EXPECT_EQ(model.nearestEntity({20, 3.2, 0}, 1), 0u);
    EXPECT_FALSE(model.snapPoint({20, 0, 0}, 0.5));
}

} // namespace
