// The target-height union outline of three equal rods on an equilateral triangle.
#include "rods/three_rod_target_outline.h"

#include "geometry/arc_join.h"
#include "geometry/colours.h"
#include "geometry/entity_edit.h"
#include "platform/cad/geometry/geometry_transform.h"
#include "rods/three_rod_ground_outline.h"
#include "rods/union_outline_drawing.h"
#include "services/form.h"

#include <array>
#include <cmath>

namespace rods {

using automation::resume;
using automation::resumeAssign;

namespace {

const QString kTargetBlindZone = QStringLiteral("三针间距较大, 目标中心存在防雷盲区!");

// A waist list entry: rod r's list, entry i. Per rod, for each pair with the rod in the order "01",
// "02", "12", first the pair's left waist arc, then its right one.
struct Entry {
    int rod;
    int index;
};

// The outer waist arcs about each rod: the rx arc runs counter-clockwise from the first to the second.
constexpr std::array<std::array<Entry, 2>, 3> kOuterWaist{{{{{0, 2}, {0, 1}}}, {{{1, 1}, {1, 3}}}, {{{2, 3}, {2, 0}}}}};

// The inner waist arcs, each pair's in two lists: 01 = rod 0 entry 0 and rod 1 entry 0; 12 = rod 1
// entry 2 and rod 2 entry 2; 02 = rod 0 entry 3 and rod 2 entry 1. Erased and extended in this order.
constexpr std::array<Entry, 6> kInner{{{0, 0}, {0, 3}, {1, 0}, {1, 2}, {2, 1}, {2, 2}}};

// A pair whose zone is joined at hx files each spanning waist arc once per rod: the two copies, and the
// pair's place in m_pairTargetMeet ("01", "12", "02").
struct Copies {
    Entry first;
    Entry second;
    int pair;
};
constexpr std::array<Copies, 6> kCopies{{
    {{0, 1}, {1, 1}, 0}, // outer arcs
    {{1, 3}, {2, 3}, 1},
    {{0, 2}, {2, 0}, 2},
    {{0, 0}, {1, 0}, 0}, // inner arcs
    {{1, 2}, {2, 2}, 1},
    {{0, 3}, {2, 1}, 2},
}};

class TargetOutline {
public:
    explicit TargetOutline(services::Form& form)
        : m_form(form), m_st(form.state()), m_o(m_st, geometry::kColorTarget)
    {
    }

    void run()
    {
        const std::array<cad::Point, 3> rods{m_st.m_point1, m_st.m_point2, m_st.m_point3};
        if (!anyWaistArc()) {
            outlineAsAtGround(rods);
            return;
        }
        // A hair larger than the rx circles: each meets the waist arcs that touch its rx circle from
        // outside at two close points instead of one.
        for (int r = 0; r < 3; ++r)
            m_circle[r] = m_o.rodCircle(rods[r], m_st.m_targetHalfWidth, m_o.margin());
        for (int r = 0; r < 3; ++r)
            drawOuterArc(r);

        const auto& meet = m_st.m_pairTargetMeet;
        if (!meet[0] && !meet[1] && !meet[2]) {
            joinNearEachRod();
        } else if (!(m_st.m_lowestHeight < m_st.m_targetHeight)) {
            // The sphere resting on the three tips stays above hx: the centre is protected, whatever
            // gap the pair zones alone would leave (the third rod keeps out the spheres that bound it).
            eraseInnerArcs();
        } else {
            switch (centreTest()) {
            case Centre::Hole:
                closeHole();
                break;
            case Centre::NoCrossing:
                // The centre is open and the inner arcs do not meet: the hole is too wide for them to
                // cross, so they are drawn on to meet near each rod around it.
                joinNearEachRod();
                m_form.ShowMsg(kTargetBlindZone);
                break;
            case Centre::Covered:
                eraseInnerArcs();
                break;
            }
        }
        for (const Copies& c : kCopies)
            if (meet[c.pair])
                mergeCopies(c);

        for (const auto& arc : m_rxArc)
            m_o.place(arc);
        for (int r = 0; r < 3; ++r) {
            for (int i = 0; i < m_st.m_rodWaistHandles[r].count(); ++i)
                m_o.placeFiled(m_st.m_rodWaistHandles[r], i);
            m_o.eraseAll(m_st.m_rodTargetHandles[r]);
        }
        m_o.updateDisplay();
    }

private:
    std::optional<cad::Entity> entity(Entry e) { return m_o.entityOf(m_st.m_rodWaistHandles[e.rod], e.index); }

    bool anyWaistArc()
    {
        for (int r = 0; r < 3; ++r)
            for (int i = 0; i < m_st.m_rodWaistHandles[r].count(); ++i)
                if (m_o.entityOf(m_st.m_rodWaistHandles[r], i))
                    return true;
        return false;
    }

    // At ground level (hx 0) rx equals r0 and no waist arc has a radius: the zone at hx is the ground
    // one, outlined from the rx circles as the ground outline is from the ground circles.
    void outlineAsAtGround(const std::array<cad::Point, 3>& rods)
    {
        const ThreeRodGroundArcs arcs =
            ThreeRodGroundOutline(m_o.frame(), rods, m_st.m_targetHalfWidth * 1000.0 * m_st.m_scale, m_o.margin());
        for (const auto& arc : arcs.outer)
            m_o.place(m_o.draw(arc));
        if (arcs.blindZone) {
            for (const auto& arc : arcs.inner)
                m_o.place(m_o.draw(arc));
            m_form.ShowMsg(kTargetBlindZone);
        }
        for (int r = 0; r < 3; ++r) {
            m_o.eraseAll(m_st.m_rodTargetHandles[r]);
            m_o.eraseAll(m_st.m_rodWaistHandles[r]);
        }
        m_o.updateDisplay();
    }

    // The waist arcs about rod r move into the work frame, and the rod's rx arc is drawn between the
    // first crossings of its helper circle with the two outer ones.
    void drawOuterArc(int r)
    {
        const services::HandleList& waist = m_st.m_rodWaistHandles[r];
        std::vector<Crossings> crossings(static_cast<std::size_t>(waist.count()));
        for (int i = 0; i < waist.count(); ++i) {
            m_o.moveIntoFrame(waist, i);
            crossings[static_cast<std::size_t>(i)] = m_o.crossings(m_circle[r], m_o.entityOf(waist, i));
        }
        auto firstOf = [&](Entry e) -> std::optional<cad::Point> {
            if (e.index >= static_cast<int>(crossings.size()))
                return std::nullopt;
            return chooseCrossing(crossings[static_cast<std::size_t>(e.index)], CrossingChoice::First);
        };
        m_rxArc[r] =
            m_o.draw(arcBetween(m_circle[r], firstOf(kOuterWaist[r][0]), firstOf(kOuterWaist[r][1]), -m_o.margin()));
    }

    // The two copies of a joined pair's waist arc become one: the second is erased when it repeats the
    // first, and when both were drawn on to meet near their own rod, one arc over both replaces them.
    void mergeCopies(const Copies& c)
    {
        const auto first = entity(c.first);
        const auto second = entity(c.second);
        cad::EntityData a, b;
        if (!first || !second || !resumeAssign(m_o.err(), a, [&] { return first->data(); })
            || !resumeAssign(m_o.err(), b, [&] { return second->data(); }))
            return;
        if (a.kind != cad::EntityKind::Arc || b.kind != cad::EntityKind::Arc
            || std::hypot(a.center[0] - b.center[0], a.center[1] - b.center[1]) > m_o.margin()
            || std::abs(a.radius - b.radius) > m_o.margin())
            return;
        const auto span = mergedSpan({a.startAngle, a.endAngle}, {b.startAngle, b.endAngle});
        if (!span)
            return;
        const double sweep = cad::geom::arcSweep(a.startAngle, a.endAngle);
        if (std::abs(cad::geom::arcSweep(span->start, span->end) - sweep) < 1e-9) {
            m_o.erase(second);
            return;
        }
        const auto drawn = m_o.draw(OutlineArc{a.center, a.radius, cad::geom::pointAtAngle(a.center, 1.0, span->start),
                                               cad::geom::pointAtAngle(a.center, 1.0, span->end)});
        if (!drawn)
            return;
        m_o.erase(first);
        m_o.erase(second);
        const services::EntityHandle handle = services::g_lastHandle;
        resume(m_o.err(), [&] { m_st.m_rodWaistHandles[c.first.rod].set(c.first.index, handle); });
    }

    void eraseInnerArcs()
    {
        for (const Entry& e : kInner)
            m_o.erase(entity(e));
    }

    // No pair zone closes at hx: the two inner waist arcs at each rod are made to meet.
    void joinNearEachRod()
    {
        join({0, 3}, {0, 0});
        join({1, 0}, {1, 2});
        join({2, 2}, {2, 1});
    }

    void join(Entry first, Entry second)
    {
        services::HandleList& list = m_st.m_rodWaistHandles[first.rod];
        services::EntityHandle h1, h2;
        if (!resumeAssign(m_o.err(), h1, [&] { return list.at(first.index); })
            || !resumeAssign(m_o.err(), h2, [&] { return list.at(second.index); }))
            return;
        geometry::JoinArcs(m_st, h1, h2, true);
        resume(m_o.err(), [&] { list.set(first.index, h1); });
        resume(m_o.err(), [&] { list.set(second.index, h2); });
    }

    enum class Centre { Hole, Covered, NoCrossing };

    // Pair 01's inner arc meets pair 12's further along +x than it meets pair 02's only when the three
    // inner arcs leave a hole between them.
    Centre centreTest()
    {
        const auto inner01 = entity({0, 0});
        const Crossings with12 = m_o.crossings(inner01, entity({1, 2}));
        const Crossings with02 = m_o.crossings(inner01, entity({2, 1}));
        if (with12.empty() || with02.empty())
            return Centre::NoCrossing;
        return with12[0][0] - with02[0][0] > m_o.margin() ? Centre::Hole : Centre::Covered;
    }

    // The hole: the six inner entries are lengthened and widened a little so that neighbouring ones
    // cross, and each pair's inner arc is replaced by its piece between the two corners it meets.
    void closeHole()
    {
        for (const Entry& e : kInner)
            geometry::ExtendEntity(handleOf(e), 2, 0.0001); // radians: the same at every scale
        for (const Entry& e : kInner) {
            if (auto arc = entity(e)) {
                double radius = 0.0;
                if (resumeAssign(m_o.err(), radius, [&] { return arc->Radius(); }))
                    resume(m_o.err(), [&] { arc->setRadius(radius + m_o.margin()); });
            }
        }
        const std::array<Crossings, 3> corner{m_o.crossings(entity({0, 0}), entity({0, 3})),
                                              m_o.crossings(entity({1, 0}), entity({1, 2})),
                                              m_o.crossings(entity({2, 1}), entity({2, 2}))};
        piece({0, 0}, {1, 0}, corner[0], corner[1]); // pair 01
        piece({1, 2}, {2, 2}, corner[1], corner[2]); // pair 12
        piece({2, 1}, {0, 3}, corner[2], corner[0]); // pair 02
        m_form.ShowMsg(kTargetBlindZone);
    }

    // The piece of a pair's inner arc from one corner to the next, on the carrier's circle; the pair's
    // two entries are erased and the carrier entry names the piece. Without both corners nothing changes.
    void piece(Entry carrier, Entry other, const Crossings& from, const Crossings& to)
    {
        const auto arc = entity(carrier);
        if (!arc)
            return;
        cad::Point centre{};
        double radius = 0.0;
        if (!resumeAssign(m_o.err(), centre, [&] { return arc->Center(); })
            || !resumeAssign(m_o.err(), radius, [&] { return arc->Radius(); }))
            return;
        const auto drawn =
            m_o.draw(arcBetween(HelperCircle{centre, radius}, chooseCrossing(from, CrossingChoice::First),
                                chooseCrossing(to, CrossingChoice::First), -m_o.margin()));
        if (!drawn)
            return;
        m_o.erase(arc);
        m_o.erase(entity(other));
        const services::EntityHandle handle = services::g_lastHandle;
        resume(m_o.err(), [&] { m_st.m_rodWaistHandles[carrier.rod].set(carrier.index, handle); });
    }

    services::EntityHandle handleOf(Entry e)
    {
        services::EntityHandle h = services::kNoEntity;
        resumeAssign(m_o.err(), h, [&] { return m_st.m_rodWaistHandles[e.rod].at(e.index); });
        return h;
    }

    services::Form& m_form;
    services::FormState& m_st;
    UnionOutline m_o;
    std::array<std::optional<HelperCircle>, 3> m_circle;
    std::array<std::optional<cad::Entity>, 3> m_rxArc;
};

} // namespace

void DrawThreeRodTargetUnion(services::Form& form)
{
    TargetOutline(form).run();
}

} // namespace rods
