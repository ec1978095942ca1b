// The drawing view: one drawing's model space on a dark background, zoom, pan, crosshair and point picking.
#pragma once

#include "platform/cad/geometry/point.h"
#include "platform/cad/model/snap.h"
#include "platform/cad/window/drawing_view_renderer.h"
#include "platform/cad/window/drawing_view_transform.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace cad {

class DocumentModel;

class DrawingView : public QWidget {
    Q_OBJECT
public:
    explicit DrawingView(QWidget* parent = nullptr);
    ~DrawingView() override;

    // Shows this drawing (each drawing keeps its own zoom); null shows nothing.
    void setDocument(const std::shared_ptr<DocumentModel>& document);
    std::shared_ptr<DocumentModel> document() const { return m_document.lock(); }
    // Forgets what the view kept of a closed drawing.
    void forgetDocument(const DocumentModel* document);

    const ViewTransform& view() const { return m_view; }
    void setView(const ViewTransform& view);
    QPointF toScreen(const Point& p) const { return m_view.toScreen(p); }
    Point toDrawing(const QPointF& pixel) const { return m_view.toDrawing(pixel); }
    void zoomExtents();

    // Point picking: while on, a click picks and the overlay shows the rubber band from the base
    // point and the snap marker.
    void beginPick(const std::optional<Point>& base);
    void endPick();
    bool picking() const { return m_picking; }
    // The point a click at `pixel` gives now: the running object snap, else the ortho constraint
    // from the base point, else the cursor.
    Point pickAt(const QPointF& pixel) const;
    std::optional<SnapCandidate> snapAt(const QPointF& pixel) const;
    // Snap search radius in pixels.
    static constexpr double kAperturePixels = 10;

    // Keys typed over the view go to this widget (the command line).
    void setKeyTarget(QWidget* target) { m_keyTarget = target; }

    // Changes of the drawing: an added entity is drawn over the cached picture; anything else
    // repaints what is in view.
    void entityAdded(const DocumentModel* document, std::uint64_t handle);
    void entityChanged(const DocumentModel* document, std::uint64_t handle);
    void entitiesChanged(const DocumentModel* document);
    void documentReplaced(const DocumentModel* document);

signals:
    void cursorMoved(const cad::Point& drawingPoint);
    void pointPicked(const cad::Point& point);
    // A paint left some block contents out; told once per drawing.
    void drawnInPart();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct DocumentState {
        ViewTransform view;
        bool fitted = false;
        bool referencesKnown = false;
        std::vector<PlacedReference> references;   // block references (their index box is only a point)
    };
    DocumentState* state();
    const std::vector<PlacedReference>& references(DocumentState& s, const DocumentModel& model);
    void invalidate();
    void renderCache();
    void fitIfNeeded();
    void paintOverlay(QPainter& painter);
    void updateHover(const QPointF& pixel);

    std::weak_ptr<DocumentModel> m_document;
    std::map<const DocumentModel*, DocumentState> m_states;
    ViewTransform m_view;

    // The picture of the drawing and the view it was painted for; drawn moved and scaled while
    // the view changes, repainted once the view rests.
    QImage m_cache;
    ViewTransform m_cacheView;
    bool m_cacheValid = false;
    qint64 m_lastRenderMs = 0;
    const DocumentModel* m_toldInPart = nullptr;
    std::vector<std::uint64_t> m_pendingAdds;
    QTimer m_settle;

    bool m_picking = false;
    std::optional<Point> m_base;
    std::optional<QPointF> m_cursor;
    std::optional<SnapCandidate> m_snap;
    Point m_hoverPoint{};   // where a click would pick now
    std::optional<QPointF> m_panFrom;
    QWidget* m_keyTarget = nullptr;
};

} // namespace cad
