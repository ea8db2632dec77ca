// SPDX-License-Identifier: LGPL-2.1-or-later
#include "Reelpane.h"

#include <algorithm>

PropertyBag::~PropertyBag() = default;

QVariant MemoryPropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const auto &entry) { return entry.first == name; });
    return found == m_entries.end() ? defaultValue : found->second;
}

void MemoryPropertyBag::WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    if (value == defaultValue) {
        std::erase_if(m_entries, [&](const auto &entry) { return entry.first == name; });
        return;
    }
    insert(name, value);
}

QStringList MemoryPropertyBag::keys() const
{
    QStringList names;
    for (const auto &entry : m_entries)
        names.append(entry.first);
    return names;
}

bool MemoryPropertyBag::contains(const QString &name) const
{
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const auto &entry) { return entry.first == name; });
}

void MemoryPropertyBag::insert(const QString &name, const QVariant &value)
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const auto &entry) { return entry.first == name; });
    if (found != m_entries.end())
        found->second = value;
    else
        m_entries.emplace_back(name, value);
}
