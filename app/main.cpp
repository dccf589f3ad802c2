// Fourier et filtres: a teaching tool for periodic signals and analogue
// filtering.

#include "dialogservice.h"
#include "program.h"
#include "vrlook.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fourierfiltre"));
    QApplication::setApplicationDisplayName(QStringLiteral("Fourier et filtres"));
    QApplication::setFont(VrLook::font(12));
    // Closing the main window ends the program, whatever else is open.
    app.setQuitOnLastWindowClosed(false);

    QtDialogService dialogs;
    Program program(dialogs);
    program.Show();
    return app.exec();
}
