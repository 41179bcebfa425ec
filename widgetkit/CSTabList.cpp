#include "widgetkit/CSTabList.h"

#include "base/Exceptions.h"
#include "widgetkit/KDTabSet.h"

#include <algorithm>

TCSTabList::TCSTabList(TKDTabSet* tabSet)
    : m_tabSet(tabSet)
{
}

void TCSTabList::CheckIndex(int index, int limit) const
{
    if (index < 0 || index > limit)
        RaiseRes<Exception>(Str::ListIndexError, index);
}

void TCSTabList::Add(const std::string& caption)
{
    m_strings.push_back(caption);
    m_tabSet->Invalidate();
}

void TCSTabList::Insert(int index, const std::string& caption)
{
    CheckIndex(index, Count());
    m_strings.insert(m_strings.begin() + index, caption);
    if (m_tabSet->m_tabIndex >= index)
        ++m_tabSet->m_tabIndex;
    m_tabSet->Invalidate();
}

void TCSTabList::Delete(int index)
{
    CheckIndex(index, Count() - 1);
    const int selected = m_tabSet->m_tabIndex;
    m_strings.erase(m_strings.begin() + index);
    // A tab before the selected one going keeps the same tab selected; the selected one going
    // hands the selection to the tab that takes its place, or to the last tab.
    int next = index < selected ? selected - 1 : selected;
    if (next >= Count())
        next = Count() - 1;
    m_tabSet->m_tabIndex = next;
    if (m_tabSet->m_firstVisibleTab >= Count())
        m_tabSet->m_firstVisibleTab = std::max(0, Count() - 1);
    m_tabSet->Invalidate();
    if (index == selected)
        m_tabSet->Click();
}

void TCSTabList::Set(int index, const std::string& caption)
{
    CheckIndex(index, Count() - 1);
    m_strings[std::size_t(index)] = caption;
    m_tabSet->Invalidate();
}

void TCSTabList::Clear()
{
    m_strings.clear();
    m_tabSet->m_tabIndex = -1;
    m_tabSet->m_firstVisibleTab = 0;
    m_tabSet->Invalidate();
}

void TCSTabList::AddStrings(const std::vector<std::string>& captions)
{
    m_tabSet->setUpdatesEnabled(false);
    m_strings.insert(m_strings.end(), captions.begin(), captions.end());
    m_tabSet->setUpdatesEnabled(true);
    m_tabSet->Invalidate();
}
