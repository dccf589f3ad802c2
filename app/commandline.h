// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line: `fourierfiltre [options] [FICHIER]`. The options are
// one table (commandline.cpp) that the parser, the help text and the
// program's start read; an option is added there with its French help.
// Help, version and exports need no display: the exports run on windows
// that are never shown, on the offscreen platform.

#include <QString>
#include <QStringList>

class DialogService;
class Program;

struct CommandLine {
    QString LessonFile; // the lesson to open, or empty
    QString ExportReport; // --export-report OUT.pdf
    QString ExportCsv;    // --export-csv OUT.csv
    QString ExportSvg;    // --export-svg DOSSIER
    QString AnalyseSound; // --analyse SON: the analysis to --export-csv or the standard output
    bool Help = false;
    bool Version = false;
    QString Error; // French, when the line cannot be used

    // Something to write, after which the program ends without a window.
    bool Exports() const { return AnalyseSound.isEmpty() && (!ExportReport.isEmpty() || !ExportCsv.isEmpty() || !ExportSvg.isEmpty()); }
};

// `arguments` as the process received them, the program's name first.
CommandLine ParseCommandLine(const QStringList& arguments);

// The French help, generated from the table of options.
QString HelpText();
// "fourierfiltre 0.1".
QString VersionText();

// Exit statuses.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1; // a file could not be read or written
inline constexpr int ExitUsage = 2;   // the command line itself is wrong

// The exports asked for, from the lesson file when one is given (else the
// start-up state); each failure's message to standard error. The exit status.
int RunExports(Program& program, const CommandLine& line);

// Answers the program's boxes without a display: messages and errors go to
// standard error, questions are cancelled, pickers give nothing.
DialogService& ConsoleDialogs();

// The whole program: parses `argc`/`argv`, prints help or version, runs the
// exports offscreen, or starts the windows (opening the lesson given).
int RunProgram(int argc, char** argv);
