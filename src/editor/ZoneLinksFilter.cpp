#include "ZoneLinksFilter.h"

#include "ZoneLinksModel.h"

void ZoneLinksFilter::setGroup(int group)
{
    m_group = group;
    invalidateFilter();
}

bool ZoneLinksFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return ZnInGrFilterRecord(sourceRow);
}

bool ZoneLinksFilter::ZnInGrFilterRecord(int sourceRow) const
{
    const auto* links = static_cast<const ZoneLinksModel*>(sourceModel());
    return links->link(sourceRow).GrNmb == m_group;
}
