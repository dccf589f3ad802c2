// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lessonio.h"

#include "lesson/lessonfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Shown(const QString& path)
{
    return QStringLiteral("« ") + QDir::toNativeSeparators(path) + QStringLiteral(" »");
}

// What went wrong with a file, in the user's words.
QString Failure(const QFileDevice& file, bool writing)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return writing ? QStringLiteral("accès refusé (dossier ou fichier protégé en écriture)")
                       : QStringLiteral("accès refusé");
    case QFileDevice::ResourceError:
        return QStringLiteral("plus de place sur le disque");
    case QFileDevice::OpenError:
        return writing ? QStringLiteral("le fichier ne peut pas être créé (dossier absent ou protégé ?)")
                       : QStringLiteral("le fichier ne peut pas être ouvert");
    case QFileDevice::WriteError:
        return QStringLiteral("erreur d'écriture");
    case QFileDevice::ReadError:
        return QStringLiteral("erreur de lecture");
    default:
        return file.errorString();
    }
}

} // namespace

QString LessonFileFilter()
{
    return QStringLiteral("Séances (*.%1)").arg(FromUtf8(LessonExtension));
}

LessonLoad ReadLessonFile(const QString& path)
{
    const QFileInfo info(path);
    const QString cannot = QStringLiteral("Impossible d'ouvrir ") + Shown(path) + QStringLiteral(" : ");
    if (path.isEmpty() || !info.exists())
        return {std::nullopt, cannot + QStringLiteral("le fichier n'existe pas.")};
    if (info.isDir())
        return {std::nullopt, cannot + QStringLiteral("c'est un dossier, pas un fichier de séance.")};
    if (static_cast<quint64>(info.size()) > MaxLessonBytes)
        return {std::nullopt, FromUtf8(TooLargeMessage(static_cast<std::size_t>(info.size()))) +
                                  QStringLiteral("\n\nFichier : ") + Shown(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, cannot + Failure(file, false) + QStringLiteral(".")};
    // The file may have grown since it was measured: read one byte past the
    // limit so that the reader still sees it too large.
    const QByteArray bytes = file.read(static_cast<qint64>(MaxLessonBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, cannot + Failure(file, false) + QStringLiteral(".")};
    LessonReadResult r = ReadLesson(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!r.Read)
        return {std::nullopt, FromUtf8(r.Message) + QStringLiteral("\n\nFichier : ") + Shown(path)};
    return {std::move(r.Read), {}};
}

QString WriteLessonFile(const QString& path, const Lesson& lesson)
{
    const std::string text = WriteLesson(lesson);
    QSaveFile file(path);
    const QString cannot = QStringLiteral("Impossible d'enregistrer la séance dans ") + Shown(path) +
                           QStringLiteral(" : ");
    const QString kept = QStringLiteral(". Un fichier qui s'y trouvait n'a pas été modifié.");
    if (QFileInfo(path).isDir())
        return cannot + QStringLiteral("c'est un dossier") + kept;
    if (!file.open(QIODevice::WriteOnly))
        return cannot + Failure(file, true) + kept;
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        const QString why = Failure(file, true);
        file.cancelWriting();
        return cannot + why + kept;
    }
    if (!file.commit())
        return cannot + Failure(file, true) + kept;
    return {};
}
