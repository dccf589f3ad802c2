// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include "app/analysecommand.h"
#include "app/exports.h"
#include "app/lessonsession.h"
#include "app/program.h"
#include "app/simplefour.h"
#include "packaging/appinfo.h"
#include "widgets/accessibility.h"
#include "widgets/dialogservice.h"
#include "widgets/vrlook.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>

namespace {

enum class OptionRole { Help, Version, ExportReport, ExportCsv, ExportSvg, Analyse };

struct OptionEntry {
    OptionRole role;
    QStringList names;
    const char* help;
    const char* valueName; // empty for a flag
};

// The options, in the order the help lists them.
const QList<OptionEntry>& Options()
{
    static const QList<OptionEntry> options = {
        {OptionRole::Help, {QStringLiteral("h"), QStringLiteral("help")}, "Affiche cette aide et s'arrête.", ""},
        {OptionRole::Version, {QStringLiteral("v"), QStringLiteral("version")}, "Affiche la version et s'arrête.", ""},
        {OptionRole::ExportReport, {QStringLiteral("export-report")},
         "Écrit le rapport PDF de la séance (ou de l'état de départ) dans SORTIE.pdf, sans fenêtre, et s'arrête.",
         "SORTIE.pdf"},
        {OptionRole::ExportCsv, {QStringLiteral("export-csv")},
         "Écrit le tableau des harmoniques et les mesures en CSV dans SORTIE.csv, sans fenêtre, et s'arrête.",
         "SORTIE.csv"},
        {OptionRole::ExportSvg, {QStringLiteral("export-svg")},
         "Écrit les graphes en SVG dans le dossier DOSSIER, sans fenêtre, et s'arrête.", "DOSSIER"},
        {OptionRole::Analyse, {QStringLiteral("analyse")},
         "Analyse le son SON (WAV, FLAC ou OGG) : écrit sa fréquence fondamentale, sa moyenne et ses douze "
         "harmoniques en CSV sur la sortie standard (ou dans SORTIE.csv avec --export-csv), et s'arrête.",
         "SON"},
    };
    return options;
}

QString& Target(CommandLine& line, OptionRole role)
{
    switch (role) {
    case OptionRole::ExportReport:
        return line.ExportReport;
    case OptionRole::ExportCsv:
        return line.ExportCsv;
    case OptionRole::Analyse:
        return line.AnalyseSound;
    default:
        return line.ExportSvg;
    }
}

QString ProgramName()
{
    return QStringLiteral("fourierfiltre");
}

QString TryHelp()
{
    return QStringLiteral(" Essayez « %1 --help ».").arg(ProgramName());
}

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

class Console : public DialogService {
public:
    std::optional<QString> InputBox(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QString> EditText(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    void ShowText(QWidget*, const QString&, const QString&, const QString&) override {}
    void Message(QWidget*, const QString& text) override { Print(stderr, text + QLatin1Char('\n')); }
    void Error(QWidget*, const QString& text) override
    {
        Print(stderr, ProgramName() + QStringLiteral(" : ") + text + QLatin1Char('\n'));
    }
    std::optional<QColor> ChooseColour(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
    std::optional<QString> OpenFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QString> SaveFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    int Question(QWidget*, const QString&, int, int) override { return QMessageBox::Cancel; }
    bool ChoosePrinter(QWidget*, const QString&, QPrinter&) override { return false; }
};

} // namespace

DialogService& ConsoleDialogs()
{
    static Console console;
    return console;
}

QString VersionText()
{
    return ProgramName() + QLatin1Char(' ') + QString::fromUtf8(AppInfo::Version);
}

QString HelpText()
{
    QString text = QStringLiteral("Utilisation : %1 [options] [FICHIER]\n\n"
                                  "Fourier et filtres : signaux périodiques et filtrage analogique.\n\n"
                                  "Argument :\n"
                                  "  FICHIER    une séance (fichier .seance) à ouvrir\n\n"
                                  "Options :\n")
                       .arg(ProgramName());
    for (const OptionEntry& o : Options()) {
        QStringList forms;
        for (const QString& n : o.names)
            forms << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
        QString head = forms.join(QStringLiteral(", "));
        if (*o.valueName)
            head += QLatin1Char(' ') + QString::fromUtf8(o.valueName);
        text += QStringLiteral("  ") + head + QStringLiteral("\n      ") + QString::fromUtf8(o.help) +
                QLatin1Char('\n');
    }
    text += QStringLiteral("\nStatut de sortie : 0 si tout s'est bien passé, 1 si un fichier n'a pu être lu "
                           "ou écrit (3 pour le tableau de --analyse) ou si le son ne peut être analysé, 2 si la ligne de "
                           "commande est fausse.\n");
    return text;
}

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QList<QCommandLineOption> options;
    for (const OptionEntry& o : Options()) {
        options << QCommandLineOption(o.names, QString::fromUtf8(o.help), QString::fromUtf8(o.valueName));
        parser.addOption(options.back());
    }
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().first();
            line.Error = QStringLiteral("option inconnue « %1%2 ».")
                             .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name) +
                         TryHelp();
        } else {
            line.Error = QStringLiteral("il manque la valeur d'une option (%1).").arg(arguments.last()) + TryHelp();
        }
        return line;
    }
    for (qsizetype i = 0; i < options.size(); ++i) {
        if (!parser.isSet(options[i]))
            continue;
        const OptionEntry& o = Options()[i];
        if (o.role == OptionRole::Help)
            line.Help = true;
        else if (o.role == OptionRole::Version)
            line.Version = true;
        else if (parser.values(options[i]).size() > 1)
            line.Error = QStringLiteral("l'option --%1 est donnée deux fois.").arg(o.names.last()) + TryHelp();
        else if (parser.value(options[i]).isEmpty())
            line.Error = QStringLiteral("l'option --%1 attend un nom de fichier.").arg(o.names.last()) + TryHelp();
        else
            Target(line, o.role) = parser.value(options[i]);
    }
    const QStringList files = parser.positionalArguments();
    if (!line.AnalyseSound.isEmpty() && line.Error.isEmpty()
        && (!files.isEmpty() || !line.ExportReport.isEmpty() || !line.ExportSvg.isEmpty()))
        line.Error = QStringLiteral("--analyse ne prend que le son et, au choix, --export-csv.") + TryHelp();
    else if (files.size() > 1)
        line.Error = QStringLiteral("une seule séance à la fois (%1 fichiers donnés).").arg(files.size()) + TryHelp();
    else if (files.size() == 1)
        line.LessonFile = files.first();
    return line;
}

int RunExports(::Program& program, const CommandLine& line)
{
    program.KeepWindowsHidden();
    if (!line.LessonFile.isEmpty() && !program.Session().Open(line.LessonFile, false))
        return ExitFailure; // its message is on standard error
    int status = ExitOk;
    auto report = [&status](const QString& failure) {
        if (failure.isEmpty())
            return;
        ConsoleDialogs().Error(nullptr, failure);
        status = ExitFailure;
    };
    if (!line.ExportCsv.isEmpty())
        report(ExportCsv(program, line.ExportCsv));
    if (!line.ExportSvg.isEmpty())
        report(ExportGraphsSvg(program, line.ExportSvg));
    if (!line.ExportReport.isEmpty())
        report(ExportReportPdf(program, line.ExportReport));
    return status;
}

int RunProgram(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = ParseCommandLine(arguments);
    if (!line.Error.isEmpty()) {
        ConsoleDialogs().Error(nullptr, line.Error);
        return ExitUsage;
    }
    if (line.Help) {
        Print(stdout, HelpText());
        return ExitOk;
    }
    if (line.Version) {
        Print(stdout, VersionText() + QLatin1Char('\n'));
        return ExitOk;
    }
    // The analysis of a sound needs no window, nor any display.
    if (!line.AnalyseSound.isEmpty()) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(ProgramName());
        return RunAnalyseCommand(line.AnalyseSound, line.ExportCsv);
    }
    // Exports draw on windows that are never shown: no display is needed.
    if (line.Exports())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramName());
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

    if (line.Exports()) {
        ::Program program(ConsoleDialogs());
        return RunExports(program, line);
    }
    QtDialogService dialogs(ProgramTitle());
    ::Program program(dialogs);
    QObject::connect(&program.fensynth(), &Tfensynth::Closed, &app, [] { QCoreApplication::exit(0); });
    program.Show();
    if (!line.LessonFile.isEmpty())
        program.Session().Open(line.LessonFile);
    return app.exec();
}
