// The first paint of an opened plan as the drawing window makes it, for the benchmark programs.
#pragma once

#include "platform/cad/model/document_model.h"
#include "platform/cad/window/drawing_view_colors.h"
#include "platform/cad/window/drawing_view_renderer.h"

#include <QImage>
#include <QPainter>

namespace bench {

// The drawing window's own first size: the picture a freshly opened plan is painted into.
inline constexpr QSize kViewSize(1100, 760);

// Paints the whole plan as the drawing window first shows it: fitted, at its first size.
inline QImage firstPaint(const cad::DocumentModel& model)
{
    const auto references = cad::placedReferences(model);
    cad::ViewTransform view;
    view.size = kViewSize;
    if (const auto extents = cad::drawingExtents(model, references))
        view.fit(*extents);
    QImage picture(kViewSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(cad::drawingBackground());
    {
        QPainter painter(&picture);
        cad::DrawingRenderer renderer(model, view);
        renderer.paintView(painter, references);
    }
    return picture;
}

} // namespace bench
