// What the owner of a drawing hears of changes to its entities; the drawing knows nothing else of it.
#pragma once

#include <cstdint>

namespace cad {

class DocumentModel;

// Implemented by the engine, which turns each call into a signal for the drawing window. A drawing
// with a listener is open; without one (read from a file, closed, its instance ended) it is not.
class DocumentListener {
public:
    virtual void entityAddedTo(DocumentModel& document, std::uint64_t handle) = 0;
    virtual void entityChangedIn(DocumentModel& document, std::uint64_t handle) = 0;
    virtual void entityErasedFrom(DocumentModel& document, std::uint64_t handle) = 0;

protected:
    ~DocumentListener() = default;
};

} // namespace cad
