#include "main/WindowStyle.h"

QString WindowStyleSheet()
{
    return QStringLiteral(R"(
QWidget#picContainerLogin, QWidget#picContainerGameType,
QWidget#picContainerComputerDifficulty, QWidget#picContainerMultiPlayerServer,
QWidget#picContainerMultiPlayerClient, QWidget#picContainerPlayer1,
QWidget#picContainerPlayer2, QWidget#picContainerShipPlace {
    background-color: rgba(8, 24, 44, 215);
    border: 1px solid #4f7ea8;
    border-radius: 6px;
}
QLabel { color: #dbe8f5; background: transparent; }
QLabel[role="title"] { color: #9fd3ff; font-weight: bold; font-size: 10pt; }
QLabel#lblStatus { color: #ffe9a8; font-weight: bold; font-size: 10pt; }
QLabel#lblAbout1 { color: #9fd3ff; font-weight: bold; font-size: 16pt; }
QLabel#lblWebSite { color: #9fd3ff; text-decoration: underline; }
QRadioButton { color: #dbe8f5; background: transparent; border-radius: 3px; }
QRadioButton:focus { color: #ffffff; background-color: #23507a; }
QRadioButton:disabled { color: #9aabbd; }
QRadioButton::indicator {
    width: 10px; height: 10px; border-radius: 6px;
    border: 1px solid #8fb7da; background-color: #0d2238;
}
QRadioButton::indicator:checked {
    background-color: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
                                      stop:0 #d8f0ff, stop:0.55 #7cc4ff, stop:0.6 #0d2238);
}
QRadioButton::indicator:disabled { border-color: #4a5d70; }
QPushButton {
    color: #eaf3fb; background-color: #2c5378; border: 1px solid #6b9cc7;
    border-radius: 4px; padding: 2px 6px;
}
QPushButton:hover { background-color: #3a6894; }
QPushButton:pressed { background-color: #203f5c; }
QPushButton:focus { border: 2px solid #ffd84a; }
QPushButton:disabled { color: #a9b8c8; background-color: #253a4f; border-color: #3d546b; }
QLineEdit, QComboBox, QPlainTextEdit {
    color: #0d1b2a; background-color: #eef5fb; border: 1px solid #6b9cc7; border-radius: 3px;
    selection-color: #ffffff; selection-background-color: #2c5378;
}
QLineEdit:focus, QComboBox:focus, QPlainTextEdit:focus { border: 2px solid #ffd84a; }
QLineEdit { lineedit-password-character: 42; }
QComboBox QAbstractItemView {
    color: #0d1b2a; background-color: #eef5fb;
    selection-color: #ffffff; selection-background-color: #2c5378;
}
)");
}

QString MessageBoxStyleSheet()
{
    return QStringLiteral(R"(
QMessageBox { background-color: #102a44; }
QMessageBox QLabel { color: #eaf3fb; background: transparent; }
QMessageBox QPushButton {
    color: #eaf3fb; background-color: #2c5378; border: 1px solid #8fb7da;
    border-radius: 4px; padding: 3px 12px; min-width: 60px;
}
QMessageBox QPushButton:hover { background-color: #3a6894; }
QMessageBox QPushButton:pressed { background-color: #203f5c; }
QMessageBox QPushButton:focus { border: 2px solid #ffd84a; }
)");
}
