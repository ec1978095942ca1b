// The tip line's caption for a message: "提示:", a blank, the message, and "!" unless it ends in its own mark.
#pragma once

#include <QString>

namespace app {

// The most characters the one-line tip line holds: more than its width can show in any font, so
// nothing visible is lost, while a script's huge message costs no more to lay out and paint.
inline constexpr qsizetype kTipLineMaxLength = 512;

// The caption, cut to kTipLineMaxLength characters (never inside a surrogate pair).
QString tipCaption(const QString& msg);

} // namespace app
