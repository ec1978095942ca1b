// The controls of the rod panels that hand their inputs to another panel's engine, and the hand-over.
#include "rods/picked_panels.h"

#include "services/form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace rods {

void copyPanelInputs(services::Form& form, const RodPanelControls& from, const RodPanelControls& to)
{
    const services::ControlRegistry& c = form.controls();
    // Walked by the giving panel's elements; a missing control on either side is skipped.
    for (int i = 0; i <= c.maxIndex(from.inputs); ++i) {
        const QLineEdit* src = c.textBox(from.inputs, i);
        QLineEdit* dst = c.textBox(to.inputs, i);
        if (src && dst)
            dst->setText(src->text());
    }
    const QComboBox* srcClass = c.comboBox(QStringLiteral("comClass"), from.classCombo);
    QComboBox* dstClass = c.comboBox(QStringLiteral("comClass"), to.classCombo);
    if (srcClass && dstClass)
        dstClass->setCurrentIndex(srcClass->currentIndex());
    for (int i = 0; i <= c.maxIndex(from.checks); ++i) {
        const QCheckBox* src = c.checkBox(from.checks, i);
        QCheckBox* dst = c.checkBox(to.checks, i);
        if (src && dst)
            dst->setCheckState(src->checkState());
    }
}

} // namespace rods
