// Where the answers to GetPoint and GetString come from: the drawing window, or a script in tests.
#pragma once

#include "platform/cad/document.h"
#include "platform/cad/geometry/point.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <optional>
#include <variant>

namespace cad {

// An answer source. Implementations may throw automation::AutomationError (UserCancelled for Esc).
class PointSource {
public:
    virtual ~PointSource() = default;
    virtual Point getPoint(const Document& document, std::optional<Point> base, const QString& prompt) = 0;
    virtual QString getString(const Document& document, bool allowBlanks, const QString& prompt) = 0;
};

// A queue of answers for tests: points, strings, cancels and arbitrary failures, served in order.
// A question whose answer is of the other kind, or that finds the queue empty, fails with
// UserCancelled (the test ran out of script) and is noted in unanswered().
class ScriptedPointSource : public PointSource {
public:
    struct Cancel {};
    struct Failure { std::int32_t number; };
    using Answer = std::variant<Point, QString, Cancel, Failure>;

    ScriptedPointSource& point(double x, double y, double z = 0);
    ScriptedPointSource& point(const Point& p);
    ScriptedPointSource& string(const QString& text);
    ScriptedPointSource& cancel();
    ScriptedPointSource& fail(std::int32_t number);

    Point getPoint(const Document& document, std::optional<Point> base, const QString& prompt) override;
    QString getString(const Document& document, bool allowBlanks, const QString& prompt) override;

    // Every prompt asked, in order (points and strings alike).
    const QStringList& prompts() const { return m_prompts; }
    // The base point given with each GetPoint (nullopt when none).
    const std::vector<std::optional<Point>>& bases() const { return m_bases; }
    std::size_t remaining() const { return m_queue.size(); }
    int unanswered() const { return m_unanswered; }
    void clear();

private:
    Answer next();
    std::deque<Answer> m_queue;
    QStringList m_prompts;
    std::vector<std::optional<Point>> m_bases;
    int m_unanswered = 0;
};

} // namespace cad
