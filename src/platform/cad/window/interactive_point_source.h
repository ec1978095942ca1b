// The engineer as the answer source: GetPoint and GetString asked in the drawing window, waited for in a nested event loop.
#pragma once

#include "platform/cad/point_source.h"

#include <QPointer>

class QEventLoop;

namespace cad {

class DocumentModel;
class DrawingWindow;

// One question waiting for its answer. Questions nest (an execute string may start a command while
// a pick waits); the newest one has the command line until it is answered.
struct PendingQuestion {
    enum class Kind { Point, String };
    enum class State { Waiting, Answered, Cancelled, Interrupted };

    Kind kind = Kind::Point;
    QString prompt;
    std::optional<Point> base;
    bool allowBlanks = false;
    const DocumentModel* document = nullptr;

    State state = State::Waiting;
    Point point{};
    QString text;
    QEventLoop* loop = nullptr;

    void finish(State s);
};

// Esc ends a question with UserCancelled; closing the window (or its drawing, or the instance
// ending) ends it with PickInterrupted, which is no cancel.
class InteractivePointSource : public PointSource {
public:
    explicit InteractivePointSource(DrawingWindow* window) : m_window(window) {}

    Point getPoint(const Document& document, std::optional<Point> base, const QString& prompt) override;
    QString getString(const Document& document, bool allowBlanks, const QString& prompt) override;

private:
    void wait(PendingQuestion& question);
    QPointer<DrawingWindow> m_window;
};

} // namespace cad
