// The tip line's caption for a message: "提示:", a blank, the message, and "!" unless it ends in its own mark.
#pragma once

#include <QString>

namespace app {

QString tipCaption(const QString& msg);

} // namespace app
