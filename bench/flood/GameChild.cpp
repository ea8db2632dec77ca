// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameChild.h"

#include "UiHarness.h"

#include <QAccessible>
#include <QSocketNotifier>
#include <QTimer>

#include <unistd.h>

namespace {

void say(const QByteArray &line)
{
    const QByteArray out = line + '\n';
    [[maybe_unused]] const ssize_t written = ::write(STDOUT_FILENO, out.constData(), size_t(out.size()));
}

} // namespace

int runGameChild(const QString &accountDir)
{
    auto window = openGame(accountDir + QStringLiteral("/players.txt"));
    createAndLogIn(*window, QStringLiteral("Flo"), QStringLiteral("pw"));
    click(*window, QStringLiteral("optGameType1"));
    click(*window, QStringLiteral("cmdNext"));
    say("ready");

    QTimer watch; // places the fleet once connected, and tells when a box opens
    bool placed = false;
    bool boxSeen = false;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!placed && window->flow().state().gGamePhase == 2) {
            placed = true;
            placeFleetInFirstColumns(*window);
            click(*window, QStringLiteral("cmdFinishPlacingShips"));
            say("placed");
        }
        const bool boxUp = QApplication::activeModalWidget() != nullptr;
        if (boxUp && !boxSeen)
            say("box");
        boxSeen = boxUp;
    });
    watch.start(10);

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char bytes[256];
        const ssize_t n = ::read(STDIN_FILENO, bytes, sizeof bytes);
        if (n <= 0) {
            QCoreApplication::quit();
            return;
        }
        pending.append(bytes, n);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QByteArray command = pending.left(end);
            pending.remove(0, end + 1);
            if (command == "probe") {
                QAccessibleInterface *face = QAccessible::queryAccessibleInterface(window.get());
                say("probe " + QByteArray::number(face ? face->childCount() : -1));
            } else if (command == "closebox") {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                    box->accept();
                say("closed");
            } else if (command == "quit") {
                window->close();
                QCoreApplication::quit();
            }
        }
    });
    return QCoreApplication::exec();
}
