#include "main/GameStart.h"
#include "main/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<frmMain> window = Main();
    return app.exec();
}
