#include "app/ui/startup.h"

#include <QApplication>
#include <QMainWindow>

namespace kovolo {

int runProgram(QApplication& app)
{
    QMainWindow window;
    window.setObjectName("frmOptions");
    window.show();
    return app.exec();
}

} // namespace kovolo
