// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/MessageReader.h"

#include <vector>

// How received bytes become work for the window, a bounded amount at a time: the window
// reads at most kReadPerPass bytes per event-loop pass and applies the messages they
// hold in batches of about kBatchWeight, so a flooding peer can neither fill memory
// nor keep the window from answering.
namespace Inbound {

constexpr qint64 kReadPerPass = 8 * 1024;
constexpr qsizetype kBatchWeight = 16 * 1024;
// What one decoded message costs beyond its text: the message, its strings' headers
// and the chat line it becomes.
constexpr qsizetype kMessageWeight = 128;

struct Batch
{
    std::vector<Protocol::Message> messages; // in stream order
    int rejected = 0;
    bool overflow = false; // the connection is to be dropped after these messages
    qsizetype weight = 0;  // about the memory the batch holds
};

qsizetype weightOf(const Protocol::Message &message);

// The result in order, cut into batches of at most kBatchWeight (a heavier message
// goes alone); its rejected count goes with the first batch, its overflow with the last.
std::vector<Batch> batches(MessageReader::Result result);

} // namespace Inbound
