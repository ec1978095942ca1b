// Paints the model space of a drawing for one view: only what the view shows, found through the spatial index.
#pragma once

#include "platform/cad/model/entity_data.h"
#include "platform/cad/model/spatial_index.h"
#include "platform/cad/window/drawing_view_transform.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace cad {

class DocumentModel;

// Block references stand in the spatial index by their insertion point only, so a view keeps
// them apart with the extent of what they show, and hands them to every paint.
struct PlacedReference {
    std::uint64_t handle = 0;
    Box extent;
    Point insertion{};   // where the index has it
};
// The block references of a drawing with their extents.
std::vector<PlacedReference> placedReferences(const DocumentModel& model);
// The extent of what one block reference shows (its insertion point when its block is unknown or empty).
Box referenceExtent(const DocumentModel& model, const EntityData& reference);

class DrawingRenderer {
public:
    DrawingRenderer(const DocumentModel& model, const ViewTransform& view);
    ~DrawingRenderer();
    DrawingRenderer(const DrawingRenderer&) = delete;
    DrawingRenderer& operator=(const DrawingRenderer&) = delete;

    // Paints every visible entity that meets the view (the background is the caller's).
    void paintView(QPainter& painter, const std::vector<PlacedReference>& references);
    // Paints just these entities over what is there (entities added since the last full paint).
    void paintEntities(QPainter& painter, const std::vector<std::uint64_t>& handles);

    // How many entities the last paint drew.
    std::size_t drawnCount() const;
    // True when the last paint left some block contents out (nested arrays beyond what one paint draws).
    bool drawnInPart() const;
    // How many characters of texts the last paint laid out (at most kTextCharactersPerPaint).
    std::size_t laidOutCharacters() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The extent of everything a drawing shows (block contents included), or nothing when it shows nothing.
std::optional<Box> drawingExtents(const DocumentModel& model, const std::vector<PlacedReference>& references);

} // namespace cad
