// The panels' line drawings: SVG resources rendered into their picture boxes at the boxes' size.
#pragma once

#include "app/panel_catalogue.h"
#include "services/control_registry.h"

#include <QPixmap>
#include <QSize>

namespace app {

// Makes the pictures and the help text of this library reachable as ":/pictures/..." and ":/help/...".
void initPanelResources();

// The SVG at path drawn to fit size (aspect kept, centred, transparent around it) at the given
// device pixel ratio; a null pixmap when the resource is missing or not a valid drawing.
QPixmap renderPicture(const QString& path, const QSize& size, qreal devicePixelRatio = 1.0);

// Puts every picture named in the catalogue into its picture box or image control, rendered when the
// box is first shown and again whenever it changes size or screen, so it stays sharp.
void loadPanelPictures(const std::vector<CatalogueEntry>& catalogue, const services::ControlRegistry& registry);

} // namespace app
