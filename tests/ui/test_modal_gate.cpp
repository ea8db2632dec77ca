// Socket events wait while a message box is up, and then run in arrival order.

#include "net/ModalGate.h"

#include <QTest>

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
};

QTEST_MAIN(ModalGateTest)
#include "test_modal_gate.moc"
