// An entity's extended data (1001 and the groups after it) read as it stands, to be written back.
#include "platform/cad/dxf/dxf_builder.h"

#include "platform/cad/dxf/dxf_scan.h"

#include <utility>

namespace cad {

namespace {

bool isNumberCode(int code) { return code >= 1010 && code <= 1071; }

} // namespace

// Each application's part starts with its name (1001). A part is left out, and its entity counted,
// where it holds a handle (1005: the entity it names gets a new handle on saving, so it would point
// at another or at nothing) or a value too long to be written back; groups before any name belong
// to no application.
void DxfDrawingBuilder::extendedGroup(int code, std::string_view value, double number)
{
    if (code == 1001) {
        closeApplication();
        m_appStart = m_extended.size();
    } else if (m_extended.empty()) {
        note(m_extendedLost, NotKeptKind::ExtendedDataNoApplication);
        return;
    }
    if (code == 1005)
        note(m_appLost, NotKeptKind::ExtendedDataHandle);
    else if (value.size() > kDxfMaxValue)
        note(m_appLost, NotKeptKind::ExtendedDataTooLong);
    if (m_appLost)
        return;
    m_extended.push_back({code, isNumberCode(code), value, number});
}

void DxfDrawingBuilder::closeApplication()
{
    if (m_appLost) {
        m_extended.resize(m_appStart);
        note(m_extendedLost, *m_appLost);
    }
    m_appLost.reset();
}

std::vector<ExtendedGroup> DxfDrawingBuilder::takeExtendedData(std::optional<NotKeptKind>& lost)
{
    closeApplication();
    if (m_extendedLost)
        note(lost, *m_extendedLost);
    m_extendedLost.reset();
    std::vector<ExtendedGroup> groups(m_extended.size());
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const RawExtendedGroup& raw = m_extended[i];
        ExtendedGroup& g = groups[i];
        g.code = static_cast<std::int16_t>(raw.code);
        if (raw.isNumber)
            g.number = raw.number;
        else
            g.text = raw.code == 1001 ? name(raw.value) : decode(raw.value); // the few names are shared, as layers are
    }
    m_extended.clear();
    return groups;
}

std::vector<ExtendedGroup> DxfDrawingBuilder::ownExtendedData()
{
    std::optional<NotKeptKind> lost;
    auto groups = takeExtendedData(lost);
    if (lost)
        m_notKept.add(*lost);
    return groups;
}

} // namespace cad
