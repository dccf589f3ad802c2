// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "fourierfiltre --analyse SON.wav [--export-csv OUT.csv]": the analysis of
// a sound file for scripts, without a window.

#include <QString>

// Exit statuses of the analysis command.
enum AnalyseStatus : int {
    AnalyseDone = 0,
    AnalyseSoundRefused = 1, // unreadable file or a sound that cannot be analysed
    AnalyseUsageError = 2,   // the command line itself is wrong
    AnalyseWriteFailed = 3,  // the table could not be written
};

// Reads and analyses `soundPath` and writes the table (AnalysisCsv) to
// `csvPath`, or to the standard output when it is empty. A refusal goes to
// the standard error as one French line naming the file; nothing is
// written then. Gives the exit status.
int RunAnalyseCommand(const QString& soundPath, const QString& csvPath);
