// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/NetworkView.h"

#include <QCoreApplication>
#include <QObject>

class GameFlow;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// The chat of a network game, straight on the window: the log and the line to send.
class ChatPane final : public QObject, public ChatView
{
    Q_DECLARE_TR_FUNCTIONS(ChatPane)

public:
    // The flow may be built after its views; the pane calls it only from its controls,
    // which build() makes with the play screens.
    ChatPane(QWidget *window, GameFlow &flow);
    void build();

    QPlainTextEdit *log() const { return txtChatBoxMsgs; }
    QLineEdit *entry() const { return txtChatBox; }

    void appendChatLines(const QString &lines) override;

private:
    QWidget *mWindow;
    GameFlow &mFlow;
    QPlainTextEdit *txtChatBoxMsgs = nullptr;
    QLineEdit *txtChatBox = nullptr;
};
