// Fourier et filtres: a teaching tool for periodic signals and analogue
// filtering.

#include "dialogservice.h"
#include "program.h"
#include "simplefour.h"
#include "vrlook.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fourierfiltre"));
    QApplication::setFont(VrLook::font(12));
    // Closing the main window ends the program, whatever the other windows
    // do with their own close requests: the event loop is left at once.
    app.setQuitOnLastWindowClosed(false);
    InstallQtFrench();

    QtDialogService dialogs(ProgramTitle());
    Program program(dialogs);
    QObject::connect(&program.fensynth(), &Tfensynth::Closed, &app, [] { QCoreApplication::exit(0); });
    program.Show();
    return app.exec();
}
