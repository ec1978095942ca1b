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
    ExtendedGroup& g = m_extended.emplace_back();
    g.code = static_cast<std::int16_t>(code);
    if (isNumberCode(code))
        g.number = number;
    else
        g.text = code == 1001 ? name(value) : decode(value); // the few names are shared, as layers are
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
    return std::exchange(m_extended, {});
}

void DxfDrawingBuilder::extendedData(EntityData& e)
{
    if (auto groups = takeExtendedData(m_losesOnSaving); !groups.empty())
        e.rare.edit().extendedData = std::move(groups);
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
