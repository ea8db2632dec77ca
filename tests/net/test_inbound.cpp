// SPDX-License-Identifier: GPL-3.0-or-later
// Received messages become bounded batches for the window, in stream order.

#include "net/Inbound.h"

#include <QTest>

using Protocol::Chat;
using Protocol::Fire;

class InboundTest : public QObject
{
    Q_OBJECT

private slots:
    void messagesAreCutIntoBoundedBatchesInOrder_data()
    {
        QTest::addColumn<int>("chats");
        QTest::addColumn<int>("textLength");
        QTest::addColumn<int>("batchCount");
        // A one-letter chat from "Eve" weighs kMessageWeight + 8 bytes.
        const int perBatch = int(Inbound::kBatchWeight / (Inbound::kMessageWeight + 8));
        QTest::newRow("one") << 1 << 1 << 1;
        QTest::newRow("one batch full") << perBatch << 1 << 1;
        QTest::newRow("one more") << perBatch + 1 << 1 << 2;
        QTest::newRow("a flood") << 10'000 << 1 << (10'000 + perBatch - 1) / perBatch;
        QTest::newRow("heavier than a batch goes alone") << 3 << int(Inbound::kBatchWeight) << 3;
    }
    void messagesAreCutIntoBoundedBatchesInOrder()
    {
        QFETCH(int, chats);
        QFETCH(int, textLength);
        QFETCH(int, batchCount);
        MessageReader::Result result;
        for (int i = 0; i < chats; ++i)
            result.messages.push_back(Chat{QStringLiteral("Eve"), QString(textLength, QLatin1Char('a' + i % 26))});
        result.rejected = 2;
        result.overflow = true;
        const std::vector<Inbound::Batch> batches = Inbound::batches(result);
        QCOMPARE(int(batches.size()), batchCount);
        std::size_t next = 0;
        for (const Inbound::Batch &batch : batches) {
            QVERIFY(batch.weight <= Inbound::kBatchWeight || batch.messages.size() == 1);
            QCOMPARE(batch.rejected, &batch == &batches.front() ? 2 : 0);
            QCOMPARE(batch.overflow, &batch == &batches.back());
            for (const Protocol::Message &message : batch.messages)
                QCOMPARE(message, result.messages[next++]);
        }
        QCOMPARE(next, result.messages.size());
    }

    void nothingReceivedIsNoBatch()
    {
        QVERIFY(Inbound::batches({}).empty());
        MessageReader::Result rejectedOnly;
        rejectedOnly.rejected = 1;
        QCOMPARE(Inbound::batches(rejectedOnly).size(), std::size_t(1));
        MessageReader::Result shot;
        shot.messages.push_back(Fire{37});
        QCOMPARE(Inbound::batches(shot).front().weight, Inbound::kMessageWeight);
    }
};

QTEST_GUILESS_MAIN(InboundTest)
#include "test_inbound.moc"
