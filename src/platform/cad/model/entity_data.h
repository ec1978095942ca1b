// What one entity of a drawing is: a value with a kind, a handle and the fields its kind uses.
#pragma once

#include "platform/cad/geometry/point.h"
#include "platform/cad/model/rare_properties.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace cad {

// The four kinds the drawing code makes, plus the kinds a site plan from elsewhere brings along,
// which are kept (drawn, moved, saved) but offer no geometry members of their own.
enum class EntityKind : std::uint8_t { Line, Arc, Circle, Text, Polyline, MText, Insert };
// The last of them: the DXF kinds table checks that each kind up to it is written.
inline constexpr EntityKind kLastEntityKind = EntityKind::Insert;

constexpr short kColorByBlock = 0;
constexpr short kColorByLayer = 256;

struct PolyVertex {
    double x = 0, y = 0;
    double bulge = 0;   // tan(quarter of the included angle) of the segment to the next vertex
    bool operator==(const PolyVertex&) const = default;
};

// The small fields lie together at the front (where a redraw reads kind, colour and layer), the
// eight-byte ones after them, so the record carries little padding.
struct EntityData {
    short color = kColorByLayer;       // colour index 0..256
    EntityKind kind = EntityKind::Line;
    bool visible = true;
    bool closed = false;               // polyline
    std::int16_t hAlign = 0, vAlign = 0; // text justification as the file gives it
    std::int16_t attachment = 1;         // MText attachment point 1..9
    std::int16_t columns = 1, rows = 1;  // insert, 1..32767
    std::uint64_t handle = 0;          // 0 inside block definitions
    QString layer = QStringLiteral("0");
    QString linetype;                  // empty: by layer

    // Line: start, end. Arc and circle: centre, radius, angles (radians, normalised to [0, 2pi)).
    Point start{}, end{};
    Point center{};
    double radius = 0, startAngle = 0, endAngle = 0;

    // Text and MText: insertion point, text, height, rotation (radians). Insert: insertion point.
    Point insertion{};
    Point alignment{};                 // second alignment point of a justified text
    QString text;
    QString style;
    double height = 0;
    double widthFactor = 1;            // the ScaleFactor of a text
    double rotation = 0;
    double mtextWidth = 0;

    // Polyline (LWPOLYLINE or 2D POLYLINE), in the plane at `elevation`.
    std::vector<PolyVertex> vertices;
    double elevation = 0;

    // Insert (block reference).
    QString blockName;
    double scaleX = 1, scaleY = 1, scaleZ = 1;
    double columnSpacing = 0, rowSpacing = 0;

    // Widths, true colour, mirroring and the like: null for the plain entities most plans hold.
    RarePropertiesPtr rare;

    bool operator==(const EntityData&) const = default;
};
// Every entity of a plan is one of these (408 bytes before the rare properties came, which took the
// room the small fields gave up).
static_assert(sizeof(EntityData) <= 400, "EntityData grew: put what is rare into RareProperties");

// A layer of the drawing: name, colour (negative when switched off), line type.
struct LayerData {
    QString name;
    short color = 7;
    QString linetype = QStringLiteral("CONTINUOUS");
    int flags = 0;                     // frozen 1, locked 4
    double lineweight = -3;            // by default
    bool plotted = true;               // 290: false for a layer never plotted
    std::int32_t trueColor = -1;       // 420, 0xRRGGBB; -1 none
    // As read: other programs keep a layer's description and transparency here.
    std::vector<ExtendedGroup> extendedData{};

    bool operator==(const LayerData&) const = default;
};

struct TextStyleData {
    QString name;
    QString font;                      // primary font file
    QString bigFont;                   // big font file (CJK shapes)
    QString family;                    // TrueType family name, written where AutoCAD keeps it
    double height = 0, widthFactor = 1, oblique = 0;
    int flags = 0;
};

// A text drawn along a complex line type ("GAS"), placed after one of its dashes.
struct LinetypeText {
    std::size_t dash = 0; // index of the dash it follows
    int flags = 2;        // group 74: 2 a text, +1 its rotation absolute
    QString style;        // the text style it is drawn in
    QString text;
    double scale = 1, rotation = 0, x = 0, y = 0; // groups 46, 50, 44, 45
};

struct LinetypeData {
    QString name;
    QString description;
    int flags = 0;
    double patternLength = 0; // of a complex line type as its file says: its texts take room too
    std::vector<double> dashes;
    std::vector<LinetypeText> texts;
};

struct BlockDefinition {
    QString name;
    Point base{};
    int flags = 0; // an external reference 4
    std::vector<EntityData> entities;
    QString description{};                           // 4
    QString xrefPath{};                              // 1: the drawing an external reference stands for
    std::vector<ExtendedGroup> extendedData{};       // of its BLOCK entity, as read
    std::vector<ExtendedGroup> recordExtendedData{}; // of its block record, as read

    bool operator==(const BlockDefinition&) const = default;
};

const char* objectName(EntityKind kind);

} // namespace cad
