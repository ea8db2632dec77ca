// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ui/ChatPane.h"

#include "main/GameFlow.h"
#include "main/ui/widgets/WidgetFactory.h"
#include "net/ChatLogLimits.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

ChatPane::ChatPane(QWidget *window, GameFlow &flow)
    : QObject(window)
    , mWindow(window)
    , mFlow(flow)
{
}

void ChatPane::build()
{
    txtChatBoxMsgs = new QPlainTextEdit(mWindow);
    txtChatBoxMsgs->setReadOnly(true);
    // Nobody undoes a log; kept on, every line added or dropped would be kept for ever.
    txtChatBoxMsgs->setUndoRedoEnabled(false);
    txtChatBoxMsgs->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtChatBoxMsgs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    WidgetFactory::place(txtChatBoxMsgs, QStringLiteral("txtChatBoxMsgs"), nullptr, 1560, 120,
                         8535, 765);
    txtChatBoxMsgs->setAccessibleName(tr("Chat log"));

    txtChatBox = new QLineEdit(mWindow);
    WidgetFactory::place(txtChatBox, QStringLiteral("txtChatBox"), nullptr, 1560, 960, 8535, 285);
    txtChatBox->setAccessibleName(tr("Chat message"));
    connect(txtChatBox, &QLineEdit::returnPressed, this, [this] {
        // Not clear(): that keeps every key of every line sent in the undo history for the
        // whole run. A new line starts with a fresh history.
        if (mFlow.network().chatEntered(txtChatBox->text()))
            txtChatBox->setText(QString());
    });
}

// One append for all the lines, then the oldest lines beyond the log's bounds go in
// one removal.
void ChatPane::appendChatLines(const QString &lines)
{
    txtChatBoxMsgs->appendPlainText(lines);
    QTextDocument *log = txtChatBoxMsgs->document();
    qsizetype characters = log->characterCount();
    qsizetype count = log->blockCount();
    QTextBlock keptFirst = log->firstBlock();
    while (ChatLogLimits::overBudget(characters, count)) {
        characters -= keptFirst.length();
        --count;
        keptFirst = keptFirst.next();
    }
    if (keptFirst != log->firstBlock()) {
        QTextCursor oldest(log);
        oldest.setPosition(keptFirst.position(), QTextCursor::KeepAnchor);
        oldest.removeSelectedText();
    }
    txtChatBoxMsgs->moveCursor(QTextCursor::End);
}
