// Builds the widgets of the catalogue, all at once or panel by panel, and enters them into the control registry.
#pragma once

#include "app/panel_catalogue.h"
#include "app/panel_pictures.h"
#include "services/control_registry.h"

#include <QHash>
#include <QSet>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

namespace app {

// Makes the catalogue's widgets in parts: the panels on show first, the others when they are wanted.
// Within a part every row is made in design order, exactly as a build of the whole catalogue makes it.
class CatalogueBuilder {
public:
    CatalogueBuilder(QWidget* client, const std::vector<CatalogueEntry>& catalogue);

    // Starts drawing the pictures of these panels on other threads, for the ratio given; each picture
    // box made later takes its drawing.
    void drawPicturesAhead(const QSet<int>& panels, qreal devicePixelRatio);
    // Makes the rows of these panels and the client area's own rows, where not made yet.
    void build(const QSet<int>& panels);
    // Makes every row not made yet. With panelsHidden the panel frames and picture boxes made now
    // start hidden, so that a window on show does not show them, even for a moment.
    void buildRest(bool panelsHidden);

    // A row's widget, by its name spelt as in the catalogue; nullptr when the row is missing or not made yet.
    QWidget* widget(const QString& name, std::optional<int> index = std::nullopt) const;
    // The highest index of a control array in the catalogue, made or not; -1 when name is no array.
    int maxIndex(const QString& name) const;
    // Puts the client area's own widgets (panel frames, picture boxes, the tip line) into design order
    // among their siblings, whatever order the parts were made in.
    void restoreStackingOrder() const;

    // Enters every row in design order; every row must be made.
    void registerAll(services::ControlRegistry& registry) const;

private:
    void make(std::size_t row, bool hidden);
    int rowOf(const QString& name, int index) const;

    QWidget* m_client;
    const std::vector<CatalogueEntry>& m_catalogue;
    // The panel each row belongs to: the index of the panel frame it lies in (the frame itself and the
    // panel's picture box included), or -1 for the client area's own controls.
    std::vector<int> m_panel;
    std::vector<QWidget*> m_widgets;
    std::vector<PictureAhead> m_ahead; // by row; handed to the picture box when it is made
    QHash<std::pair<QString, int>, int> m_rows; // name and index (-1: none) -> row
};

// Builds every control of the catalogue at once and enters it into registry.
void buildControls(QWidget* client, const std::vector<CatalogueEntry>& catalogue,
                   services::ControlRegistry& registry);

} // namespace app
