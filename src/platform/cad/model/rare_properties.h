// What few entities carry beyond their geometry (widths, true colour, mirroring, ...), kept apart from
// the record every entity has so that a plan of plain lines pays nothing for it.
#pragma once

#include "platform/cad/geometry/point.h"

#include <QExplicitlySharedDataPointer>
#include <QSharedData>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

namespace cad {

// The widths of a polyline segment, at the vertex it starts from and at the next one.
struct SegmentWidth {
    double start = 0, end = 0;
    bool operator==(const SegmentWidth&) const = default;
};

// One group of an entity's extended data (1000 to 1071), in the order the file gives them: a string
// (the application's name 1001 among them) in `text`, a number in `number`.
struct ExtendedGroup {
    std::int16_t code = 1000;
    QString text;
    double number = 0;
    bool operator==(const ExtendedGroup&) const = default;
};

// The properties that DXF gives an entity besides its geometry, each at its DXF default. The model
// keeps world geometry: `extrusion` only says in which coordinate system the file gave it (a
// mirrored entity's is (0, 0, -1)), so that it is written back as it was read.
struct RareProperties {
    Point extrusion{0, 0, 1};       // 210/220/230
    double thickness = 0;           // 39
    double linetypeScale = 1;       // 48
    std::int32_t trueColor = -1;    // 420, 0xRRGGBB; -1 none
    std::int32_t transparency = -1; // 440 as read; -1 none (by layer)
    std::int16_t lineweight = -1;   // 370 in 1/100 mm; -1 by layer, -2 by block, -3 default
    std::int16_t shadowMode = -1;   // 284; -1 none
    QString colorName;              // 430, the name a true colour has in its colour book
    // Text: oblique angle (51, degrees as read) and generation flags (71: 2 backward, 4 upside down).
    double oblique = 0;
    std::uint8_t textFlags = 0;
    // Multi-line text: line spacing style (73: 2 exactly; 0 for the default, at least) and factor (44),
    // flow direction (72: 3 top to bottom, 5 by style; 0 for the default, left to right), and the groups of its background fill and defined height as read (45, 46,
    // 63, 90, 421, 431, 441), which are written back but not shown.
    std::uint8_t lineSpacingStyle = 0;
    std::uint8_t flowDirection = 0;
    double lineSpacing = 1;
    std::vector<std::pair<std::int16_t, QString>> otherGroups;
    // Polyline: its flags beyond closing (70: 8, a 3D polyline; 128, the line type's pattern runs on
    // through the vertices).
    std::uint8_t polylineFlags = 0;
    // A 3D polyline: the z of each vertex (the drawing shows its plan projection).
    std::vector<double> vertexZ;
    // Polyline: each vertex's segment widths, the file's default or constant width filled in (empty
    // when all are zero).
    std::vector<SegmentWidth> widths;
    // A light-weight polyline with a constant width (43): the widths its vertices give besides it
    // (0 where one gives none), which the constant width overrides; written back as read.
    std::vector<SegmentWidth> widthsBesideConstant;
    // The extended data of applications (1001 and the groups after it), written back at the end of
    // the entity's record.
    std::vector<ExtendedGroup> extendedData;
    // A 3D polyline: the extended data of the end of its vertices (SEQEND), written back there.
    std::vector<ExtendedGroup> sequenceEndData;

    bool operator==(const RareProperties&) const = default;
};

// A 3D polyline (POLYLINE flag 8), whose vertices stand at heights of their own.
constexpr std::uint8_t kPolyline3d = 8;

// True when the direction is the DXF default, (0, 0, 1): the geometry stands as the file gave it.
inline bool upwards(const Point& extrusion) { return extrusion[0] == 0 && extrusion[1] == 0 && extrusion[2] > 0; }

// A RareProperties that copies and compares as a value; null (no allocation) for an entity whose
// properties are all at their defaults. Copies share one record until one of them is edited (most
// entities of a plan from another program carry one of a handful of looks).
class RarePropertiesPtr {
public:
    explicit operator bool() const { return m_p.data() != nullptr; }
    const RareProperties* get() const { return m_p ? &m_p->properties : nullptr; }
    // The properties, at their defaults where none were set.
    const RareProperties& operator*() const { return m_p ? m_p->properties : defaults(); }
    const RareProperties* operator->() const { return &**this; }
    // The properties to change, made on first use; a record shared with other copies is copied
    // first, so that the change stays with this one.
    RareProperties& edit()
    {
        if (!m_p)
            m_p.reset(new Shared);
        else
            m_p.detach();
        return m_p->properties;
    }
    // Lets the record go when nothing in it differs from the defaults.
    void dropIfDefault()
    {
        if (m_p && m_p->properties == defaults())
            m_p.reset();
    }
    void reset() { m_p.reset(); }

    bool operator==(const RarePropertiesPtr& o) const { return m_p == o.m_p || **this == *o; }

private:
    static const RareProperties& defaults()
    {
        static const RareProperties d;
        return d;
    }
    // Counted in the record itself: every entity holds one of these, so it stays one pointer wide.
    struct Shared : QSharedData {
        RareProperties properties;
    };
    QExplicitlySharedDataPointer<Shared> m_p;
};

} // namespace cad
