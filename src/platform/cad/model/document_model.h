// The engine's own store of one drawing: entities by handle in drawing order, tables, blocks, index.
#pragma once

#include "platform/cad/model/document_listener.h"
#include "platform/cad/model/entity_data.h"
#include "platform/cad/model/entity_store.h"
#include "platform/cad/model/not_kept.h"
#include "platform/cad/model/snap.h"
#include "platform/cad/model/spatial_index.h"

#include <QMap>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace cad {

// A layout (a sheet with its title frame) beside the plan: the block it stands in
// ("*Paper_Space", "*Paper_Space0"), its name (the tab the engineer knows it by; empty when the file
// gave none), its entities and the position of its tab (1 is the first; 0 when the file gave
// none). Not part of the plan: never drawn, snapped to or edited, only written back where it came from.
struct LayoutData {
    QString block;
    std::vector<EntityData> entities;
    QString name;
    int tab = 0;
};

// What a drawing holds besides the model-space entities, kept so that saving loses nothing read.
struct DrawingTables {
    std::vector<LayerData> layers;
    std::vector<LinetypeData> linetypes;
    std::vector<TextStyleData> styles;
    std::vector<BlockDefinition> blocks;
    std::vector<LayoutData> layouts;
    // The extended data of the plan's block ("*Model_Space") and the layouts' (their LayoutData::block).
    std::map<QString, std::vector<ExtendedGroup>> ownBlockExtendedData;
    QVariantMap variables;             // header variables read ($INSUNITS, ...) and set (OSMODE, ...)
    QMap<QString, int> variableCodes;  // the group code each header variable was read with
    QString codepage;                  // $DWGCODEPAGE the file came with
};

class DocumentModel : public std::enable_shared_from_this<DocumentModel> {
public:
    explicit DocumentModel(DocumentListener* listener);

    // False once the document is closed or its instance has ended.
    bool isOpen() const { return m_listener != nullptr; }
    DocumentListener* listener() const { return m_listener; }
    void detach() { m_listener = nullptr; }
    // Joins an instance (a drawing read without one, signals off while it filled).
    void attach(DocumentListener* listener) { m_listener = listener; }

    QString name() const { return m_name; }
    QString fullName() const { return m_fullName; }
    void setFileName(const QString& fullName, const QString& name);
    bool saved() const { return m_saved; }
    void setSaved(bool saved) { m_saved = saved; }
    // What the file it was read from holds and the drawing does not (hatches, dimensions, ellipses,
    // splines, ..., layouts beyond the second, layout names that cannot stay), or holds but cannot
    // write back as read: saving over that file would lose them. Their number, and each kind.
    int notKeptOnRead() const { return m_notKeptOnRead.total(); }
    const NotKeptOnRead& notKeptByKind() const { return m_notKeptOnRead; }
    void setNotKeptOnRead(NotKeptOnRead counts) { m_notKeptOnRead = std::move(counts); }
    bool orthoOn() const { return m_orthoOn; }
    // System variables: OSMODE (0..16383), ORTHOMODE (tied to the viewport's OrthoOn), TEXTSIZE,
    // and the header variables a file brought ("INSUNITS" or "$INSUNITS"). Unknown names and
    // refused values throw InvalidInput.
    void setVariable(const QString& name, const QVariant& value);
    QVariant variable(const QString& name) const;
    // The text style new texts take: the one that shows Chinese when the drawing has it.
    QString defaultTextStyle() const;
    // A drawing's starting tables: layer "0", the continuous line type, the Chinese text style.
    void setDefaultTables();
    void setOrthoOn(bool on) { m_orthoOn = on; }

    // Adds an entity (its handle is assigned here) and returns the handle.
    std::uint64_t add(EntityData entity);
    // The live entity's whole record, or nothing.
    std::optional<EntityData> find(std::uint64_t handle) const;
    // The live entity's compact record (valid until the next change), or null.
    const StoredEntity* stored(std::uint64_t handle) const;
    bool wasErased(std::uint64_t handle) const;
    // Replaces an entity's data (the handle stays), reindexes it.
    void replace(std::uint64_t handle, const EntityData& entity);
    void erase(std::uint64_t handle);
    std::uint64_t nextHandle() const { return m_nextHandle; }
    // Handles below this are never handed out (a file's own handles are kept when read).
    void reserveHandles(std::uint64_t next);

    std::size_t count() const { return m_store.size() - m_erasedCount; }
    // Live entities in drawing order, each as its whole record (built for the call: keep no pointer).
    template <typename F> void forEach(F&& f) const
    {
        EntityData e;
        for (std::size_t i = 0; i < m_store.size(); ++i)
            if (!m_store[i].erased) {
                m_store.fill(m_store[i], e);
                f(std::as_const(e));
            }
    }
    // Calls f(record) for every live entity, in drawing order.
    template <typename F> void forEachStored(F&& f) const
    {
        for (std::size_t i = 0; i < m_store.size(); ++i)
            if (!m_store[i].erased)
                f(m_store[i]);
    }
    // Calls f(record) for the live entities whose boxes meet `window`, in drawing order.
    template <typename F> void forEachIn(const Box& window, F&& f) const;
    // The index-th live entity in drawing order, or 0.
    std::uint64_t handleAt(std::size_t index) const;
    // The arrays behind the compact records.
    const EntityStore& store() const { return m_store; }

    DrawingTables& tables() { return m_tables; }
    const DrawingTables& tables() const { return m_tables; }

    // Spatial queries over the live entities.
    const SpatialIndex& index() const { return m_index; }
    // Many entities are about to be added at once (a file being read): index them in one pass at the end.
    void setBulkLoading(bool bulk) { m_index.setDeferred(bulk); }
    std::vector<std::uint64_t> entitiesIn(const Box& window) const;
    // The entity whose curve passes nearest to p within radius, or 0.
    std::uint64_t nearestEntity(const Point& p, double radius) const;
    // The snap point nearest to p within aperture under osmode (OSMODE when osmode < 0).
    std::optional<SnapCandidate> snapPoint(const Point& p, double aperture, int osmode = -1) const;
    int osmode() const;

    // Swaps in the content of another model (a drawing read from a file), keeping this identity.
    void adopt(DocumentModel&& other);

private:
    std::vector<std::uint64_t> sortedIn(const Box& window) const;
    DocumentListener* m_listener;
    QString m_name, m_fullName;
    NotKeptOnRead m_notKeptOnRead;
    bool m_saved = true;
    bool m_orthoOn = false;
    std::uint64_t m_nextHandle = 0x30;   // below: the handles of tables and blocks in saved files
    EntityStore m_store;                 // drawing order, which is rising handle order
    std::size_t m_erasedCount = 0;
    DrawingTables m_tables;
    SpatialIndex m_index;
};

template <typename F> void DocumentModel::forEachIn(const Box& window, F&& f) const
{
    // A window over much of the drawing is one walk in drawing order; a small one asks the index.
    if (m_index.coversMuchOf(window)) {
        for (std::size_t i = 0; i < m_store.size(); ++i) {
            const StoredEntity& s = m_store[i];
            if (!s.erased && s.box.intersects(window))
                f(s);
        }
        return;
    }
    for (auto h : sortedIn(window))
        if (const std::size_t i = m_store.position(h); i != EntityStore::npos)
            f(m_store[i]);
}

// The colour index an entity shows in: its own, or its layer's for "by layer" (7 when the layer is
// unknown), 7 for "by block" outside a block.
short displayColor(const EntityData& entity, const DrawingTables& tables);

// The bounding box of an entity's geometry (texts: an estimate from height and length).
Box boundingBox(const EntityData& entity);
// The distance from p to the entity's curve (texts and inserts: to their box).
double distanceToEntity(const EntityData& entity, const Point& p);

} // namespace cad
