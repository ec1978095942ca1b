// What reading a drawing's file left out, or kept but cannot write back as read, counted by kind.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace cad {

enum class NotKeptKind : std::uint8_t {
    // Left out on reading.
    Entity,                  // of a type the drawing does not keep: counted by its type (see NotKeptOnRead)
    Mesh,                    // a 3D or polyface mesh
    Tilted,                  // an entity tilted out of the plan
    InsertOfLayout,          // a block reference to the plan itself or to a layout
    Layout,                  // a layout beyond the two kept
    LayoutEntity,            // an entity of such a layout
    LayoutName,              // a layout's name that cannot be kept
    LayoutBlockExtendedData, // extended data of the plan's or a layout's block or block record
    // Read and shown, but not written back as read.
    FittedPolyline,            // a curve or spline fitted to a polyline
    MTextColumns,              // a multi-line text set in columns
    OutOfRangeValue,           // a line weight or other value that cannot be written back as read
    ExtendedDataHandle,        // extended data holding a handle
    ExtendedDataTooLong,       // extended data holding a value too long to write back
    ExtendedDataNoApplication, // extended data before the name of any application
    VertexExtendedData,        // extended data of a polyline's vertex
    SequenceEndExtendedData,   // extended data of the end of a 2D polyline's vertices
};
inline constexpr std::size_t kNotKeptKinds = static_cast<std::size_t>(NotKeptKind::SequenceEndExtendedData) + 1;

// True for the kinds that are read and shown but cannot be saved as read.
inline bool keptButChanged(NotKeptKind kind) { return kind >= NotKeptKind::FittedPolyline; }

// The counts of one reading; saving over its file would lose what they count.
class NotKeptOnRead {
public:
    void add(NotKeptKind kind, int n = 1) { m_counts[static_cast<std::size_t>(kind)] += n; }
    // An entity of a type the drawing does not keep, by its DXF type.
    void addEntity(std::string_view type)
    {
        add(NotKeptKind::Entity);
        ++m_types[std::string(type)];
    }
    int count(NotKeptKind kind) const { return m_counts[static_cast<std::size_t>(kind)]; }
    // The entities of the kinds not kept, by DXF type.
    const std::map<std::string, int>& entityTypes() const { return m_types; }
    int total() const
    {
        int sum = 0;
        for (const int n : m_counts)
            sum += n;
        return sum;
    }
    NotKeptOnRead& operator+=(const NotKeptOnRead& other)
    {
        for (std::size_t k = 0; k < kNotKeptKinds; ++k)
            m_counts[k] += other.m_counts[k];
        for (const auto& [type, n] : other.m_types)
            m_types[type] += n;
        return *this;
    }

private:
    std::array<int, kNotKeptKinds> m_counts{};
    std::map<std::string, int> m_types;
};

} // namespace cad
