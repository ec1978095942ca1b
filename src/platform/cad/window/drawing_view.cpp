// The drawing view: a cached picture of the drawing under a live overlay of crosshair, rubber band and snap marker.
#include "platform/cad/window/drawing_view.h"

#include "platform/cad/model/document_model.h"
#include "platform/cad/window/command_line_input.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace cad {

namespace {
// A new drawing shows the A3 sheet (millimetres) until it has something of its own to show.
const Box kEmptyDrawing{0, 0, 420, 297};
// Zoom per wheel notch.
constexpr double kWheelFactor = 1.25;
// After the view rests this long, the moved picture is painted afresh.
constexpr int kSettleMs = 120;
// A drawing painted faster than this is painted afresh on every change of the view.
constexpr qint64 kLiveRenderMs = 12;
// Half the size of snap markers and of the pick box, in pixels.
constexpr double kMarker = 6;

bool sameView(const ViewTransform& a, const ViewTransform& b)
{
    return a.scale == b.scale && a.cx == b.cx && a.cy == b.cy && a.size == b.size;
}

QString snapName(SnapMode mode)
{
    switch (mode) {
    case SnapEnd: return QStringLiteral("端点");
    case SnapMid: return QStringLiteral("中点");
    case SnapCenter: return QStringLiteral("圆心");
    }
    return QString();
}
} // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);   // the view draws its own crosshair
    setMinimumSize(200, 150);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        m_cacheValid = false;
        update();
    });
}

DrawingView::~DrawingView() = default;

DrawingView::DocumentState* DrawingView::state()
{
    auto doc = m_document.lock();
    return doc ? &m_states[doc.get()] : nullptr;
}

void DrawingView::setDocument(const std::shared_ptr<DocumentModel>& document)
{
    if (document == m_document.lock())
        return;
    if (DocumentState* s = state())
        s->view = m_view;
    m_document = document;
    m_snap.reset();
    if (DocumentState* s = state()) {
        if (s->fitted) {
            m_view = s->view;
            m_view.size = size();
        }
    }
    invalidate();
}

void DrawingView::forgetDocument(const DocumentModel* document)
{
    if (m_document.lock().get() == document) {
        m_document.reset();
        m_snap.reset();
        invalidate();
    }
    m_states.erase(document);
}

void DrawingView::setView(const ViewTransform& view)
{
    m_view = view;
    m_view.size = size();
    if (DocumentState* s = state()) {
        s->view = m_view;
        s->fitted = true;
    }
    update();
}

void DrawingView::zoomExtents()
{
    auto doc = m_document.lock();
    DocumentState* s = state();
    if (!doc || !s)
        return;
    m_view.size = size();
    m_view.fit(drawingExtents(*doc, references(*s, *doc)).value_or(kEmptyDrawing));
    s->view = m_view;
    s->fitted = true;
    update();
}

void DrawingView::fitIfNeeded()
{
    DocumentState* s = state();
    if (s && !s->fitted && width() > 0 && height() > 0)
        zoomExtents();
}

const std::vector<PlacedReference>& DrawingView::references(DocumentState& s, const DocumentModel& model)
{
    if (!s.referencesKnown) {
        s.references = placedReferences(model);
        s.referencesKnown = true;
    }
    return s.references;
}

void DrawingView::invalidate()
{
    m_cacheValid = false;
    m_pendingAdds.clear();
    update();
}

void DrawingView::entityAdded(const DocumentModel* document, std::uint64_t handle)
{
    auto it = m_states.find(document);
    if (it != m_states.end() && it->second.referencesKnown) {
        const auto e = document->find(handle);
        if (e && e->kind == EntityKind::Insert)
            it->second.references.push_back({handle, referenceExtent(*document, *e), e->insertion});
    }
    if (m_document.lock().get() == document) {
        if (m_cacheValid)
            m_pendingAdds.push_back(handle);
        update();
    }
}

void DrawingView::entityChanged(const DocumentModel* document, std::uint64_t handle)
{
    // A moved block reference reaches elsewhere; an erased one is skipped when painting.
    const auto e = document->find(handle);
    auto it = m_states.find(document);
    if (e && e->kind == EntityKind::Insert && it != m_states.end())
        it->second.referencesKnown = false;
    entitiesChanged(document);
}

void DrawingView::entitiesChanged(const DocumentModel* document)
{
    if (m_document.lock().get() == document)
        invalidate();
}

void DrawingView::documentReplaced(const DocumentModel* document)
{
    auto it = m_states.find(document);
    if (it != m_states.end()) {
        it->second.referencesKnown = false;
    }
    if (m_document.lock().get() == document)
        invalidate();
}

void DrawingView::renderCache()
{
    const qreal dpr = devicePixelRatioF();
    const QSize pixels(qMax(1, qRound(width() * dpr)), qMax(1, qRound(height() * dpr)));
    if (m_cache.size() != pixels)
        m_cache = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_cache.setDevicePixelRatio(dpr);
    m_cache.fill(drawingBackground());
    m_view.size = size();
    if (auto doc = m_document.lock()) {
        DocumentState* s = state();
        QPainter p(&m_cache);
        DrawingRenderer renderer(*doc, m_view);
        renderer.paintView(p, references(*s, *doc));
        if (renderer.drawnInPart() && m_toldInPart != doc.get()) {
            m_toldInPart = doc.get();
            emit drawnInPart();
        }
    }
    m_cacheView = m_view;
    m_cacheValid = true;
    m_pendingAdds.clear();
}

void DrawingView::paintEvent(QPaintEvent*)
{
    fitIfNeeded();
    m_view.size = size();
    const bool moved = !sameView(m_cacheView, m_view);
    if (!m_cacheValid || m_cache.isNull() || (moved && m_lastRenderMs < kLiveRenderMs)
        || (moved && !m_pendingAdds.empty())) {
        QElapsedTimer clock;
        clock.start();
        renderCache();
        m_lastRenderMs = clock.elapsed();
    } else if (!m_pendingAdds.empty()) {
        if (auto doc = m_document.lock()) {
            QPainter p(&m_cache);
            DrawingRenderer renderer(*doc, m_cacheView);
            renderer.paintEntities(p, m_pendingAdds);
        }
        m_pendingAdds.clear();
    }

    QPainter p(this);
    if (sameView(m_cacheView, m_view)) {
        p.drawImage(QPointF(0, 0), m_cache);
    } else {
        // The view moved since the picture was painted: show it moved and scaled until it rests.
        p.fillRect(rect(), drawingBackground());
        p.setTransform(m_cacheView.matrix().inverted() * m_view.matrix());
        p.drawImage(QPointF(0, 0), m_cache);
        p.resetTransform();
        if (!m_settle.isActive())
            m_settle.start();
    }
    paintOverlay(p);
}

void DrawingView::paintOverlay(QPainter& p)
{
    if (!m_cursor)
        return;
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c = *m_cursor;
    if (m_picking && m_base) {
        // The rubber band runs to where a click would pick: the snap point or the ortho point.
        const QPointF to = toScreen(m_hoverPoint);
        p.setPen(QPen(QColor(255, 255, 255), 1));
        p.drawLine(toScreen(*m_base), to);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1));
    p.drawLine(QPointF(0, c.y()), QPointF(width(), c.y()));
    p.drawLine(QPointF(c.x(), 0), QPointF(c.x(), height()));
    if (!m_picking)
        p.drawRect(QRectF(c.x() - kMarker / 2, c.y() - kMarker / 2, kMarker, kMarker));
    if (m_snap) {
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPointF m = toScreen(m_snap->point);
        const QColor marker(255, 204, 0);
        p.setPen(QPen(marker, 2));
        p.setBrush(Qt::NoBrush);
        switch (m_snap->mode) {
        case SnapEnd:
            p.drawRect(QRectF(m.x() - kMarker, m.y() - kMarker, 2 * kMarker, 2 * kMarker));
            break;
        case SnapMid: {
            const QPointF tri[3] = {{m.x(), m.y() - kMarker * 1.2}, {m.x() - kMarker * 1.1, m.y() + kMarker * 0.8},
                                    {m.x() + kMarker * 1.1, m.y() + kMarker * 0.8}};
            p.drawPolygon(tri, 3);
            break;
        }
        case SnapCenter:
            p.drawEllipse(m, kMarker, kMarker);
            break;
        }
        // The snap's name beside the marker, as a small tip.
        const QString name = snapName(m_snap->mode);
        const QFontMetrics fm(font());
        const QRectF tip(m.x() + kMarker + 8, m.y() + kMarker + 4, fm.horizontalAdvance(name) + 8, fm.height() + 4);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(255, 255, 225));
        p.drawRect(tip);
        p.setPen(Qt::black);
        p.drawText(tip, Qt::AlignCenter, name);
    }
}

void DrawingView::resizeEvent(QResizeEvent*)
{
    m_view.size = size();
    if (DocumentState* s = state())
        s->view = m_view;
    m_cacheValid = false;
}

void DrawingView::beginPick(const std::optional<Point>& base)
{
    m_picking = true;
    m_base = base;
    if (m_cursor)
        updateHover(*m_cursor);
    update();
}

void DrawingView::endPick()
{
    m_picking = false;
    m_base.reset();
    m_snap.reset();
    update();
}

std::optional<SnapCandidate> DrawingView::snapAt(const QPointF& pixel) const
{
    auto doc = m_document.lock();
    if (!doc || doc->osmode() == 0)
        return std::nullopt;
    return doc->snapPoint(toDrawing(pixel), kAperturePixels / m_view.scale);
}

Point DrawingView::pickAt(const QPointF& pixel) const
{
    if (const auto snap = snapAt(pixel))
        return snap->point;
    const Point p = toDrawing(pixel);
    auto doc = m_document.lock();
    if (m_base && doc && doc->orthoOn())
        return orthoPoint(*m_base, p);
    return p;
}

void DrawingView::updateHover(const QPointF& pixel)
{
    m_cursor = pixel;
    m_snap = m_picking ? snapAt(pixel) : std::nullopt;
    const Point p = toDrawing(pixel);
    auto doc = m_document.lock();
    m_hoverPoint = m_snap ? m_snap->point : (m_base && doc && doc->orthoOn()) ? orthoPoint(*m_base, p) : p;
    emit cursorMoved(p);
}

void DrawingView::mousePressEvent(QMouseEvent* event)
{
    const QPointF pos = event->position();
    if (event->button() == Qt::LeftButton && m_picking) {
        updateHover(pos);
        emit pointPicked(pickAt(pos));
        return;
    }
    if (event->button() == Qt::MiddleButton)
        m_panFrom = pos;
}

void DrawingView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF pos = event->position();
    if (m_panFrom && (event->buttons() & Qt::MiddleButton)) {
        m_view.panBy(pos - *m_panFrom);
        m_panFrom = pos;
        if (DocumentState* s = state())
            s->view = m_view;
    }
    updateHover(pos);
    update();
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton)
        m_panFrom.reset();
}

void DrawingView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click of the wheel shows the whole drawing.
    if (event->button() == Qt::MiddleButton)
        zoomExtents();
    else
        mousePressEvent(event);
}

void DrawingView::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0)
        return;
    m_view.size = size();
    m_view.zoomAbout(event->position(), std::pow(kWheelFactor, notches));
    if (DocumentState* s = state())
        s->view = m_view;
    updateHover(event->position());
    m_settle.start();
    update();
    event->accept();
}

void DrawingView::keyPressEvent(QKeyEvent* event)
{
    // Typing over the drawing goes to the command line, as in every CAD program.
    if (m_keyTarget) {
        m_keyTarget->setFocus();
        QCoreApplication::sendEvent(m_keyTarget, event);
        return;
    }
    QWidget::keyPressEvent(event);
}

void DrawingView::leaveEvent(QEvent*)
{
    m_cursor.reset();
    m_snap.reset();
    update();
}

} // namespace cad
