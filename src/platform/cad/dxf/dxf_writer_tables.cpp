// Writing what dxflib leaves out of table entries and blocks: a layer's plot flag, true colour and
// extended data (where other programs keep its description and transparency); a block's
// description and extended data, and its block record's.
#include "platform/cad/dxf/dxf_output.h"
#include "platform/cad/dxf/dxf_writer.h"

namespace cad {

void DxfWriter::noteApplications(const std::vector<ExtendedGroup>& groups)
{
    for (const ExtendedGroup& g : groups)
        if (g.code == 1001 && g.text.toUpper() != QLatin1String("ACAD"))
            m_applications.emplace(g.text.toUpper(), g.text);
}

void DxfWriter::layerGroups(const LayerData& l)
{
    // dxflib marks a layer named "defpoints", in any case, as not plotted itself.
    if (!l.plotted && l.name.compare(QLatin1String("defpoints"), Qt::CaseInsensitive) != 0)
        m_w.dxfInt(290, 0);
    if (l.trueColor >= 0)
        m_w.dxfInt(420, l.trueColor);
    extendedData(l.extendedData);
}

void DxfWriter::blockGroups(const BlockDefinition& b)
{
    if (!b.description.isEmpty())
        m_w.dxfString(4, text(b.description));
    extendedData(b.extendedData);
}

void DxfWriter::ownBlockGroups(const char* block)
{
    const auto& own = m_model.tables().ownBlockExtendedData;
    if (const auto groups = own.find(QLatin1String(block)); groups != own.end())
        extendedData(groups->second);
}

} // namespace cad
