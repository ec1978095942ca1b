// The caption of the tip line for a message.
#include "app/tip_line.h"

namespace app {

QString tipCaption(const QString& msg)
{
    // Only the ASCII blank counts as blank: a message of other white space is still a message.
    bool blank = true;
    for (QChar ch : msg) {
        if (ch != QLatin1Char(' ')) {
            blank = false;
            break;
        }
    }
    if (blank)
        return {};

    static const QString endMarks = QString::fromUtf8(".。?？!！:：%");
    const QString s = QLatin1Char(' ') + msg;
    QString caption = QString::fromUtf8("提示:") + s;
    if (!endMarks.contains(s.back()))
        caption += QLatin1Char('!');
    if (caption.size() > kTipLineMaxLength) {
        qsizetype keep = kTipLineMaxLength;
        if (caption.at(keep - 1).isHighSurrogate())
            --keep;
        caption.truncate(keep);
    }
    return caption;
}

} // namespace app
