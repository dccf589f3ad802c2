// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/analysecommand.h"

#include "analysis/analysiscsv.h"
#include "analysis/soundanalysis.h"
#include "analysis/soundfile.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

void Complain(const QString& text)
{
    const QByteArray line = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
}

} // namespace

int RunAnalyseCommand(const QString& soundPath, const QString& csvPath)
{
    const SoundReading reading = ReadSoundFile(QFile::encodeName(soundPath).toStdString());
    if (!reading.Ok) {
        Complain(soundPath + QStringLiteral(" : ") + QString::fromStdString(reading.Error));
        return AnalyseSoundRefused;
    }
    const SoundAnalysis analysis = AnalyseSound(reading.Sound);
    if (!analysis.Ok) {
        Complain(soundPath + QStringLiteral(" : ") + QString::fromStdString(analysis.Error));
        return AnalyseSoundRefused;
    }
    const std::string table = AnalysisCsv(analysis);
    if (csvPath.isEmpty()) {
        const bool written = std::fwrite(table.data(), 1, table.size(), stdout) == table.size();
        if (!written || std::fflush(stdout) != 0) {
            Complain(QStringLiteral("Le tableau n'a pas pu être écrit sur la sortie standard."));
            return AnalyseWriteFailed;
        }
        return AnalyseDone;
    }
    QSaveFile out(csvPath);
    if (!out.open(QIODevice::WriteOnly)
        || out.write(table.data(), static_cast<qint64>(table.size())) != static_cast<qint64>(table.size())
        || !out.commit()) {
        Complain(csvPath + QStringLiteral(" : le tableau n'a pas pu être écrit (dossier protégé ou disque plein ?)."));
        return AnalyseWriteFailed;
    }
    return AnalyseDone;
}
