// Waiting for the engineer: the main window keeps painting, its timer and execute strings keep running.
#include "platform/cad/window/interactive_point_source.h"

#include "platform/automation/automation_error.h"
#include "platform/cad/model/document_model.h"
#include "platform/cad/window/drawing_window.h"

#include <QEventLoop>

namespace cad {

using automation::AutomationError;
namespace errors = automation::errors;

void PendingQuestion::finish(State s)
{
    if (state != State::Waiting)
        return;
    state = s;
    if (loop)
        loop->exit();
}

void InteractivePointSource::wait(PendingQuestion& q)
{
    QPointer<DrawingWindow> window = m_window;
    if (!window || window->isEnding())
        throw AutomationError(errors::PickInterrupted, QStringLiteral("the drawing window is closed"));
    QEventLoop loop;
    q.loop = &loop;
    window->beginQuestion(&q);
    if (q.state == PendingQuestion::State::Waiting)
        loop.exec();
    q.loop = nullptr;
    // The window may have gone while the loop ran.
    if (window)
        window->endQuestion(&q);
    switch (q.state) {
    case PendingQuestion::State::Answered:
        return;
    case PendingQuestion::State::Cancelled:
        throw AutomationError(errors::UserCancelled, QStringLiteral("cancelled"));
    case PendingQuestion::State::Waiting:
    case PendingQuestion::State::Interrupted:
        break;
    }
    throw AutomationError(errors::PickInterrupted, QStringLiteral("the drawing window was closed during the question"));
}

Point InteractivePointSource::getPoint(const Document& document, std::optional<Point> base, const QString& prompt)
{
    PendingQuestion q;
    q.kind = PendingQuestion::Kind::Point;
    q.prompt = prompt;
    q.base = base;
    q.document = document.model().get();
    wait(q);
    return q.point;
}

QString InteractivePointSource::getString(const Document& document, bool allowBlanks, const QString& prompt)
{
    PendingQuestion q;
    q.kind = PendingQuestion::Kind::String;
    q.prompt = prompt;
    q.allowBlanks = allowBlanks;
    q.document = document.model().get();
    wait(q);
    return q.text;
}

} // namespace cad
