// The picked two-rod panel: two equal rods picked in the drawing, their joint zone, plans and section;
// with a preset flag set, the pair engine of the three- and four-rod flows (rods/pair_engine.h).
#pragma once

#include "platform/automation/errors_resumed.h"
#include "services/form_state.h"

#include <QObject>

namespace services { class Form; }

namespace rods {

struct PairPlanInput;

class TwoRodPickedPanel : public QObject {
public:
    explicit TwoRodPickedPanel(services::Form& form, QObject* parent = nullptr);

    // Index 0 checks, connects, takes the two rods (picked, or preset by a driver), computes, shows the
    // values and draws what the three boxes ask. Other indexes only check and connect. Every way out
    // writes m_pairOutcome and leaves the three preset flags false.
    void cmdTwoRodPicked_Click(int index);

private:
    services::PairRunOutcome run(int index);
    services::PairRunOutcome takeRods();
    services::PairRunOutcome computeAndDraw(bool preset);
    services::PairRunOutcome fallBack(const QString& msg, bool preset);
    services::PairRunOutcome drawPlans(const PairPlanInput& plan, bool preset);
    services::PairRunOutcome drawSection();

    services::Form& m_form;
};

} // namespace rods
