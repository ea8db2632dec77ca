// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/Inbound.h"

namespace Inbound {

namespace {

qsizetype textWeight(const QString &text)
{
    return text.size() * qsizetype(sizeof(QChar));
}

} // namespace

qsizetype weightOf(const Protocol::Message &message)
{
    return kMessageWeight + std::visit(Protocol::Overloaded{
        [](const Protocol::PlaceShips &fleet) { return textWeight(fleet.name); },
        [](const Protocol::Fire &) { return qsizetype(0); },
        [](const Protocol::GameOver &end) { return textWeight(end.field); },
        [](const Protocol::Chat &line) { return textWeight(line.name) + textWeight(line.text); },
    }, message);
}

std::vector<Batch> batches(MessageReader::Result result)
{
    std::vector<Batch> cut(1);
    cut.back().rejected = result.rejected; // shown as one note, however many
    for (Protocol::Message &message : result.messages) {
        const qsizetype weight = weightOf(message);
        if (!cut.back().messages.empty() && cut.back().weight + weight > kBatchWeight)
            cut.emplace_back();
        cut.back().messages.push_back(std::move(message));
        cut.back().weight += weight;
    }
    cut.back().overflow = result.overflow;
    if (cut.size() == 1 && cut.back().messages.empty() && cut.back().rejected == 0
        && !cut.back().overflow)
        return {};
    return cut;
}

} // namespace Inbound
