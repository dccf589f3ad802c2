// SPDX-License-Identifier: GPL-3.0-or-later
// Fourier et filtres: a teaching tool for periodic signals and analogue
// filtering.

#include "app/analysecommand.h"
#include "app/program.h"
#include "app/simplefour.h"
#include "packaging/appinfo.h"
#include "widgets/dialogservice.h"
#include "widgets/vrlook.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <cstring>

namespace {

// "--analyse" anywhere on the command line: the analysis of a sound file,
// which needs no display.
bool AsksForAnalysis(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--analyse") == 0 || std::strncmp(argv[i], "--analyse=", 10) == 0)
            return true;
    return false;
}

int RunAnalysis(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("fourierfiltre"));
    InstallQtFrench(); // the parser's own messages in French
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Analyse d'un son : fréquence fondamentale, moyenne et douze harmoniques."));
    parser.addOption({QStringLiteral("analyse"), QStringLiteral("Analyse le son SON (WAV, FLAC ou OGG) et écrit le tableau."),
                      QStringLiteral("SON")});
    parser.addOption({QStringLiteral("export-csv"),
                      QStringLiteral("Écrit le tableau dans FICHIER au lieu de la sortie standard."),
                      QStringLiteral("FICHIER")});
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString text = parser.errorText().isEmpty()
                                 ? QStringLiteral("argument en trop : ") + parser.positionalArguments().join(QLatin1Char(' '))
                                 : parser.errorText();
        std::fprintf(stderr, "%s\n", (QStringLiteral("fourierfiltre : ") + text).toUtf8().constData());
        return AnalyseUsageError;
    }
    return RunAnalyseCommand(parser.value(QStringLiteral("analyse")), parser.value(QStringLiteral("export-csv")));
}

} // namespace

int main(int argc, char** argv)
{
    if (AsksForAnalysis(argc, argv))
        return RunAnalysis(argc, argv);
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

    QtDialogService dialogs(ProgramTitle());
    Program program(dialogs);
    QObject::connect(&program.fensynth(), &Tfensynth::Closed, &app, [] { QCoreApplication::exit(0); });
    program.Show();
    return app.exec();
}
