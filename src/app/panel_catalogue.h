// The catalogue of the main window's controls: one row per control, in design order.
#pragma once

#include "services/control_looks.h"
#include "services/control_registry.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace app {

enum class FontKind {
    Window,   // the window's Song face, 10.5 pt
    BoldSans, // the class and province combos, 8.25 pt bold
};

enum CatalogueFlag : unsigned {
    NoFlags = 0,
    Ticked = 1u << 0,    // check box ticked, option button chosen; a selector's picture or caption chosen
    Disabled = 1u << 1,
    Hidden = 1u << 2,
    ReadOnly = 1u << 3,  // result boxes, the help text
    MultiLine = 1u << 4, // a text box with several lines and a vertical scroll bar
    Editable = 1u << 5,  // a combo box whose text can be typed
    Borderless = 1u << 6,
    RightAligned = 1u << 7,
    Centred = 1u << 8,        // a caption centred in its box
    WordWrap = 1u << 9,       // a caption that breaks into lines within its box
    DividerLine = 1u << 10,   // a label drawn as a horizontal line across its box
    TextResource = 1u << 11,  // the caption names a resource whose text the box holds
};

struct CatalogueEntry {
    QString name;
    int index = -1;                 // -1: not a control array
    services::ControlKind kind;
    QString container;              // empty: the window's client area
    int containerIndex = -1;
    QString caption;                // caption, or default text of a text box, or picture resource
    int left = 0, top = 0, width = 0, height = 0; // twips, relative to the container
    unsigned flags = NoFlags;
    FontKind font = FontKind::Window;
    QStringList items = {};         // combo items present at start
};

// Every control of the window except the menus and the timer, in design order.
const std::vector<CatalogueEntry>& panelCatalogue();

using services::kChosenCaptionRgb;

} // namespace app
