// The execute-string handler and the actions it takes on each kind of control.
#include "app/link_execute.h"

#include "app/link_execute_controls.h"
#include "app/link_execute_fields.h"
#include "app/link_execute_look.h"
#include "app/main_window.h"
#include "app/menu_execute.h"
#include "platform/automation/errors_resumed.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QTimer>
#include <QWidget>

namespace app {

using services::Control;
using services::ControlKind;

namespace {

const QLatin1Char kBar('|');

// Setting a button's Value to True: pressed as by the user, its click handler runs.
void press(QAbstractButton* b)
{
    if (!b)
        return;
    if (b->isEnabled()) {
        b->click();
        return;
    }
    // The property is set whatever the button's state, so a disabled button still runs its handler.
    if (b->isCheckable())
        b->setChecked(true);
    emit b->clicked(b->isChecked());
}

// ListIndex := value; an index the combo does not hold is refused and leaves it as it was.
void setListIndex(QComboBox* combo, int value)
{
    if (!combo)
        return;
    if (value < -1 || value >= combo->count())
        throw automation::AutomationError(automation::errors::InvalidProcedureCall,
                                          QStringLiteral("Invalid property value"));
    combo->setCurrentIndex(value);
    // A selection made in code runs the combo's click handler, as the user's choice does.
    if (value >= 0)
        emit combo->activated(value);
}

// Marks target as the chosen element of its array: every element loses its border, target gets one.
void markChosen(const services::ControlRegistry& frm, const Control& target)
{
    const int last = MaxControlIndex(frm, target.name);
    for (int i = 0; i <= last; ++i) {
        if (const Control* c = FindControl(frm, target.name, i))
            setBorderStyle(c->widget(), 0);
    }
    setBorderStyle(target.widget(), 1);
}

// Makes target the only enabled text box of its array.
void enableOnly(const services::ControlRegistry& frm, const Control& target)
{
    const int last = MaxControlIndex(frm, target.name);
    for (int i = 0; i <= last; ++i) {
        const Control* c = FindControl(frm, target.name, i);
        if (!c || !c->widget())
            continue;
        setBorderStyle(c->widget(), 0);
        setBackColor(c->widget(), buttonFaceColor());
        c->widget()->setEnabled(false);
    }
    if (QWidget* w = target.widget()) {
        setBorderStyle(w, 1);
        setBackColor(w, windowBackgroundColor());
        w->setEnabled(true);
    }
}

void operate(MainWindow& frm, const Control& target, int value)
{
    const services::ControlRegistry& controls = frm.controls();
    switch (target.kind) {
    case ControlKind::Menu:
        MenuExecute(frm, &target);
        break;
    case ControlKind::CommandButton:
    case ControlKind::OptionButton:
        press(qobject_cast<QAbstractButton*>(target.object.data()));
        break;
    case ControlKind::CheckBox:
        if (auto* box = qobject_cast<QCheckBox*>(target.object.data()))
            box->setCheckState(Qt::Checked);
        break;
    case ControlKind::Timer:
        // Enabling a running timer leaves it running as it was, without restarting its interval.
        if (auto* timer = qobject_cast<QTimer*>(target.object.data()); timer && !timer->isActive())
            timer->start();
        break;
    case ControlKind::ComboBox:
        setListIndex(qobject_cast<QComboBox*>(target.object.data()), value);
        break;
    case ControlKind::PictureBox:
    case ControlKind::Image:
    case ControlKind::Label:
        markChosen(controls, target);
        break;
    case ControlKind::TextBox:
        enableOnly(controls, target);
        break;
    case ControlKind::Frame:
        break;
    }
}

QWidget* element(const services::ControlRegistry& frm, const char* name, int index)
{
    const Control* c = FindControl(frm, QLatin1String(name), index);
    return c ? c->widget() : nullptr;
}

// The two widths of the angle steel go together: element 3 of the steel-type selector takes the
// look of element 4 (border, back colour, enabled state), each copy on its own.
void pairAngleSteelBoxes(const services::ControlRegistry& frm)
{
    QWidget* l3 = element(frm, "lblType", 3);
    QWidget* l4 = element(frm, "lblType", 4);
    if (l3 && l4)
        setBorderStyle(l3, borderStyle(l4));
    QWidget* t3 = element(frm, "txtType", 3);
    QWidget* t4 = element(frm, "txtType", 4);
    if (t3 && t4) {
        setBorderStyle(t3, borderStyle(t4));
        setBackColor(t3, backColor(t4));
        t3->setEnabled(t4->isEnabled());
    }
}

void execute(MainWindow& frm, const QString& args, automation::ErrObject& err)
{
    const QString name = GetField(QString(kBar), args, 1);
    const int index = toInteger16(GetField(QString(kBar), args, 2)).value_or(0);
    const int value = toInteger16(GetField(QString(kBar), args, 3)).value_or(0);

    if (const Control* target = FindControl(frm.controls(), name, index))
        automation::resume(err, [&] { operate(frm, *target, value); });
    automation::resume(err, [&] { pairAngleSteelBoxes(frm.controls()); });
}

} // namespace

void Form_LinkExecute(MainWindow& frm, const QString& CmdStr, int& Cancel)
{
    automation::ErrObject err;

    // The command word is the text before the first bar, the argument text all after it; a string
    // without a bar is both. The word is not trimmed, so a blank around it matches nothing.
    const qsizetype bar = CmdStr.indexOf(kBar);
    const QString word = (bar < 0 ? CmdStr : CmdStr.left(bar)).toUpper();
    const QString args = bar < 0 ? CmdStr : CmdStr.mid(bar + 1);

    if (word == QLatin1String("COMMAND")) {
    } else if (word == QLatin1String("SHOW")) {
        frm.ShowMsg(args);
    } else if (word == QLatin1String("MEMORY")) {
    } else if (word == QLatin1String("CLIENT")) {
        frm.ShowMsg(args);
    } else if (word == QLatin1String("EXECUTE")) {
        execute(frm, args, err);
    }

    Cancel = 0;
    err.clear();
}

} // namespace app
