// Fourier et filtres: a teaching tool for periodic signals and analogue
// filtering.

#include "appinfo.h"
#include "dialogservice.h"
#include "program.h"
#include "vrlook.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fourierfiltre"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(AppInfo::DisplayName));
    QApplication::setApplicationVersion(QString::fromUtf8(AppInfo::Version));
    // The desktop entry's name lets the desktop match our windows to its icon.
    QApplication::setDesktopFileName(QString::fromUtf8(AppInfo::DesktopId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/fourierfiltre.svg")));
    QApplication::setFont(VrLook::font(12));
    // Closing the main window ends the program, whatever else is open.
    app.setQuitOnLastWindowClosed(false);

    // Qt's own dialogs (input boxes, message boxes, pickers) speak French.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QtDialogService dialogs;
    Program program(dialogs);
    program.Show();
    return app.exec();
}
