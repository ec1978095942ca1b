// The rules of the panel input checks and SelectAllText.
#include "services/input_checks_rules.h"

#include "services/form.h"
#include "services/input_checks.h"
#include "services/numeric_text.h"
#include "services/scale.h"

#include <QLineEdit>

namespace services {

void SelectAllText(QLineEdit* box)
{
    if (!box)
        return;
    // A box of a hidden panel (reached through an execute string) takes the focus when it is shown;
    // the selection is made all the same.
    box->setFocus(Qt::OtherFocusReason);
    box->setSelection(0, static_cast<int>(box->text().size()));
}

namespace checks {

QString Rules::text(const QString& box, std::optional<int> index) const
{
    // A box the window lacks reads as empty, so its rule fails with its message instead of crashing.
    const QLineEdit* edit = m_form.controls().textBox(box, index);
    return edit ? edit->text() : QString();
}

bool Rules::fail(const QString& box, std::optional<int> index, const QString& message)
{
    SelectAllText(m_form.controls().textBox(box, index));
    m_form.ShowMsg(message);
    return false;
}

bool Rules::nonNegative(const QString& box, std::optional<int> index, const QString& message)
{
    const std::optional<double> v = NumericValue(text(box, index));
    if (!v || *v < 0)
        return fail(box, index, message);
    return true;
}

bool Rules::positive(const QString& box, std::optional<int> index, const QString& message)
{
    const std::optional<double> v = NumericValue(text(box, index));
    if (!v || !(*v > 0))
        return fail(box, index, message);
    return true;
}

bool Rules::scale(const QString& box, std::optional<int> index, const QString& message)
{
    if (!IsValidScale(text(box, index)))
        return fail(box, index, message);
    return true;
}

double Rules::value(const QString& box, std::optional<int> index) const
{
    return NumericValue(text(box, index)).value_or(0);
}

} // namespace checks
} // namespace services
