// Turns a press and release of the left mouse button on a picture or a label into a click.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace earthing {

// Pictures and labels have no click signal; this watches one of them and calls back on a click
// (the button released over the widget it was pressed on). It lives as long as the widget.
void onClick(QWidget* widget, std::function<void()> handler);

} // namespace earthing
