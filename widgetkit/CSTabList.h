#pragma once

#include <string>
#include <vector>

class TKDTabSet;

// The captions of a tab set, one per tab. Every change keeps the tab set's selection in step
// and has the tab set repaint.
class TCSTabList {
public:
    explicit TCSTabList(TKDTabSet* tabSet);

    int Count() const { return int(m_strings.size()); }
    const std::string& operator[](int index) const { return m_strings.at(std::size_t(index)); }
    const std::vector<std::string>& Strings() const { return m_strings; }

    void Add(const std::string& caption);
    // Tabs from `index` on move one to the right, the selected one with them.
    void Insert(int index, const std::string& caption);
    // Deleting the selected tab selects the tab that takes its place (or the last tab) and
    // raises the tab set's OnClick.
    void Delete(int index);
    void Set(int index, const std::string& caption);
    void Clear();
    // Adds many captions with one repaint.
    void AddStrings(const std::vector<std::string>& captions);

private:
    friend class TKDTabSet;

    void CheckIndex(int index, int limit) const;

    TKDTabSet* m_tabSet;
    std::vector<std::string> m_strings;
};
