// Choosing a steel section, an electrode shape or a tower arrangement by its picture or caption.
#include "earthing/selectors.h"

#include "earthing/click_filter.h"
#include "services/control_looks.h"
#include "services/form.h"

#include <QLineEdit>
#include <QWidget>

namespace earthing {

namespace {

const QString kSteelPictures = QStringLiteral("imgType");
const QString kSteelLabels = QStringLiteral("lblType");
const QString kSteelBoxes = QStringLiteral("txtType");
const QString kShapePictures = QStringLiteral("imgShape");
const QString kShapeLabels = QStringLiteral("lblSHape");
const QString kTowerPictures = QStringLiteral("picShape");
const QString kTowerLabels = QStringLiteral("lblPic");

} // namespace

int chosenElement(const services::ControlRegistry& controls, const QString& pictures)
{
    const int last = controls.maxIndex(pictures);
    for (int i = 0; i <= last; ++i) {
        if (services::borderStyle(controls.widget(pictures, i)) == 1)
            return i;
    }
    return -1;
}

Selectors::Selectors(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    const services::ControlRegistry& c = form.controls();
    const auto attach = [&](const QString& name, void (Selectors::*handler)(int)) {
        const int last = c.maxIndex(name);
        for (int i = 0; i <= last; ++i)
            onClick(c.widget(name, i), [this, handler, i] { (this->*handler)(i); });
    };
    attach(kSteelPictures, &Selectors::imgType_Click);
    attach(kSteelLabels, &Selectors::lblType_Click);
    attach(kShapePictures, &Selectors::imgShape_Click);
    attach(kShapeLabels, &Selectors::lblSHape_Click);
    attach(kTowerPictures, &Selectors::picShape_Click);
    attach(kTowerLabels, &Selectors::lblPic_Click);
}

void Selectors::choose(const QString& pictures, const QString& labels, int index)
{
    const services::ControlRegistry& c = m_form.controls();
    const int last = c.maxIndex(pictures);
    for (int i = 0; i <= last; ++i) {
        services::setBorderStyle(c.widget(pictures, i), 0);
        setCaptionColour(c.widget(labels, i), plainCaptionColour());
    }
    services::setBorderStyle(c.widget(pictures, index), 1);
    setCaptionColour(c.widget(labels, index), chosenCaptionColour());
}

void Selectors::imgType_Click(int index)
{
    const services::ControlRegistry& c = m_form.controls();
    const int lastPicture = c.maxIndex(kSteelPictures);
    if (index < 0 || index > lastPicture)
        return;
    choose(kSteelPictures, kSteelLabels, index);
    // Only the chosen section's size boxes take input; the angle steel owns the extra last caption and box.
    const int lastBox = c.maxIndex(kSteelBoxes);
    for (int i = 0; i <= lastBox; ++i) {
        if (QWidget* box = c.widget(kSteelBoxes, i))
            box->setEnabled(i == index);
    }
    for (int i = lastPicture + 1; i <= c.maxIndex(kSteelLabels); ++i)
        setCaptionColour(c.widget(kSteelLabels, i), plainCaptionColour());
    if (index == lastPicture) {
        setCaptionColour(c.widget(kSteelLabels, index + 1), chosenCaptionColour());
        if (QWidget* box = c.widget(kSteelBoxes, index + 1))
            box->setEnabled(true);
    }
}

void Selectors::lblType_Click(int index)
{
    // The second caption of the angle steel belongs to the angle steel's picture.
    imgType_Click(index == 4 ? 3 : index);
}

void Selectors::imgShape_Click(int index)
{
    if (index >= 0 && index <= m_form.controls().maxIndex(kShapePictures))
        choose(kShapePictures, kShapeLabels, index);
}

void Selectors::lblSHape_Click(int index) { imgShape_Click(index); }

void Selectors::picShape_Click(int index)
{
    if (index >= 0 && index <= m_form.controls().maxIndex(kTowerPictures))
        choose(kTowerPictures, kTowerLabels, index);
}

void Selectors::lblPic_Click(int index) { picShape_Click(index); }

} // namespace earthing
