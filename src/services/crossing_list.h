// The lists the drawing engine returns (IntersectWith's crossings, Offset's copies), read only through a check.
#pragma once

#include "platform/cad/entity.h"
#include "platform/cad/geometry/point.h"
#include "services/subscript.h"

#include <utility>
#include <vector>

namespace services {

// A returned list whose every read is checked: reading past either end raises "subscript out of range"
// (automation error 9) instead of touching memory, so a resumed step that reads too far is skipped.
template <typename T>
class CheckedList {
public:
    CheckedList() = default;
    explicit CheckedList(std::vector<T> items) : m_items(std::move(items)) {}

    int count() const { return static_cast<int>(m_items.size()); }
    // The highest index, −1 for an empty list.
    int upperBound() const { return count() - 1; }
    bool isEmpty() const { return m_items.empty(); }
    const T& at(int index) const
    {
        checkSubscript(index, count());
        return m_items[static_cast<std::size_t>(index)];
    }
    const std::vector<T>& items() const { return m_items; }

private:
    std::vector<T> m_items;
};

// IntersectWith's flat list: x, y, z of the first crossing, then of the second, and so on.
class CrossingList : public CheckedList<double> {
public:
    using CheckedList<double>::CheckedList;

    int pointCount() const { return count() / 3; }
    // Crossing k (values 3k to 3k + 2); a crossing that is not in the list raises error 9.
    cad::Point pointAt(int k) const { return {at(3 * k), at(3 * k + 1), at(3 * k + 2)}; }
};

using OffsetList = CheckedList<cad::Entity>;

// a.IntersectWith(b, option) as a checked list; the engine's own failures propagate as they come.
inline CrossingList crossingsOf(const cad::Entity& a, const cad::Entity& b, int option)
{
    return CrossingList(a.IntersectWith(b, option));
}

// entity.Offset(distance) as a checked list.
inline OffsetList offsetOf(cad::Entity& entity, double distance) { return OffsetList(entity.Offset(distance)); }

} // namespace services
