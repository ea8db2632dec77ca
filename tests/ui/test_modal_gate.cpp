// SPDX-License-Identifier: GPL-3.0-or-later
// Socket events wait while a message box is up, and then run in arrival order, a
// bounded batch per event-loop pass; what they hold is bounded.

#include "net/ModalGate.h"

#include <QTest>
#include <QTimer>

#include <algorithm>

class ModalGateTest : public QObject
{
    Q_OBJECT

private slots:
    void eventsWaitForTheLastBoxAndKeepTheirOrder()
    {
        ModalGate gate;
        QStringList ran;
        gate.run([&] { ran << "before"; });
        gate.boxOpened();
        gate.run([&] { ran << "first"; });
        gate.boxOpened(); // a second box, opened by a handler that did not wait
        gate.run([&] { ran << "second"; });
        gate.boxClosed();
        QTest::qWait(10);
        QCOMPARE(ran, QStringList({"before"}));
        gate.boxClosed();
        gate.run([&] { ran << "third"; }); // behind the held ones, not ahead of them
        QCOMPARE(ran, QStringList({"before"}));
        QTRY_COMPARE(ran, QStringList({"before", "first", "second", "third"}));
    }

    void aHeldEventThatOpensABoxHoldsTheRest()
    {
        ModalGate gate;
        QStringList ran;
        gate.boxOpened();
        gate.run([&] {
            ran << "opens a box";
            gate.boxOpened();
            gate.run([&] { ran << "arrived meanwhile"; });
            QCOMPARE(ran.size(), 1);
            gate.boxClosed();
        });
        gate.run([&] { ran << "next"; });
        gate.boxClosed();
        QTRY_COMPARE(ran, QStringList({"opens a box", "next", "arrived meanwhile"}));
    }

    void heldEventsRunABatchPerPass_data()
    {
        QTest::addColumn<qsizetype>("weight");
        QTest::addColumn<int>("perPass");
        QTest::newRow("light") << ModalGate::kPassWeight / 8 << 8;
        QTest::newRow("heavy") << ModalGate::kPassWeight * 2 << 1;
        QTest::newRow("weightless") << qsizetype(0) << 40;
    }
    void heldEventsRunABatchPerPass()
    {
        QFETCH(qsizetype, weight);
        QFETCH(int, perPass);
        ModalGate gate;
        std::vector<int> ran;
        gate.boxOpened();
        for (int i = 0; i < 40; ++i)
            gate.run([&ran, i] { ran.push_back(i); }, weight);
        gate.boxClosed();
        std::vector<std::size_t> seenBetween;
        QTimer::singleShot(0, [&] { seenBetween.push_back(ran.size()); });
        QTRY_COMPARE(ran.size(), std::size_t(40));
        QCOMPARE(seenBetween, std::vector<std::size_t>{std::size_t(perPass)});
        QVERIFY(std::is_sorted(ran.begin(), ran.end()));
    }

    void whatIsHeldIsBoundedAndTheReaderIsCalledBack()
    {
        ModalGate gate;
        int callbacks = 0;
        gate.setRoomCallback([&] { ++callbacks; });
        gate.boxOpened();
        int ran = 0;
        const qsizetype quarter = ModalGate::kHeldWeight / 4;
        for (int i = 0; i < 3; ++i)
            gate.run([&] { ++ran; }, quarter);
        QVERIFY(gate.hasRoom());
        gate.run([&] { ++ran; }, quarter);
        QVERIFY(!gate.hasRoom());
        QTest::qWait(10);
        QCOMPARE(callbacks, 0); // nothing drains while the box is up
        gate.boxClosed();
        QTRY_COMPARE(callbacks, 1);
        QVERIFY(gate.hasRoom());
        QTRY_COMPARE(ran, 4);
        QCOMPARE(callbacks, 1);
    }
};

QTEST_MAIN(ModalGateTest)
#include "test_modal_gate.moc"
