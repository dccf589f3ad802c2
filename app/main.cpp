// SPDX-License-Identifier: GPL-3.0-or-later
// Fourier et filtres: a teaching tool for periodic signals and analogue
// filtering.

#include "app/program.h"
#include "app/simplefour.h"
#include "packaging/appinfo.h"
#include "widgets/accessibility.h"
#include "widgets/dialogservice.h"
#include "widgets/vrlook.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fourierfiltre"));
    QApplication::setApplicationVersion(QString::fromUtf8(AppInfo::Version));
    // The desktop entry's name lets the desktop match our windows to its icon.
    QApplication::setDesktopFileName(QString::fromUtf8(AppInfo::DesktopId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/fourierfiltre.svg")));
    QApplication::setFont(VrLook::font(12));
    // Closing the main window ends the program, whatever the other windows
    // do with their own close requests: the event loop is left at once.
    app.setQuitOnLastWindowClosed(false);
    InstallQtFrench();
    // Before the first window: screen readers learn the instrument controls.
    InstallAccessibility();

    QtDialogService dialogs(ProgramTitle());
    Program program(dialogs);
    QObject::connect(&program.fensynth(), &Tfensynth::Closed, &app, [] { QCoreApplication::exit(0); });
    program.Show();
    return app.exec();
}
