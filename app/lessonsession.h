// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lesson in the running program: the file it came from or went to, the
// note for the student, the mystery filter, and the "Fichier" menu with its
// shortcuts (lesson files, note, mystery filter, exports). The main window's
// title shows the file's name and a mark while there are changes not saved;
// the user is asked before changes are dropped.

#include "lesson/lesson.h"

#include <QObject>
#include <QString>

class DialogService;
class Program;
class QAction;
class QMenu;

class LessonSession : public QObject {
    Q_OBJECT

public:
    LessonSession(Program& program, DialogService& dialogs);
    ~LessonSession() override;

    // The lesson the program holds now.
    Lesson Capture() const;
    // The program set to `lesson` through its windows' own paths, then
    // redrawn; the windows it names opened, the others closed.
    void Restore(const Lesson& lesson);

    // Opens the file: on success the program holds its lesson, the title
    // names it and its note is shown (when `showNote`); on failure the
    // message is shown and nothing changes. False on failure.
    bool Open(const QString& path, bool showNote = true);
    // "Enregistrer": to the file in use, or as "Enregistrer sous…" asks.
    bool Save();
    bool SaveAs();
    // "Ouvrir…": asks about changes not saved, then for the file.
    void OpenCommand();

    QString FilePath() const { return m_path; }
    // Changes since the file was opened or saved (without a file: since
    // start-up).
    bool IsModified() const;
    // Asks whether to save changes not saved first; false when the user
    // cancels (or the save fails). `closing`: only a lesson file's changes
    // are asked about, so that quitting without one stays as it was.
    bool MayDropChanges(bool closing);

    const QString& Consigne() const { return m_consigne; }
    void SetConsigne(const QString& text) { m_consigne = text; }
    void EditConsigne();
    void HideFilter();
    void RevealFilter();

    QMenu* Menu() const { return m_menu; }
    // The title and the actions that depend on the state.
    void Refresh();

private:
    void BuildMenu();
    bool WriteTo(const QString& path);

    Program& m_program;
    DialogService& m_dialogs;
    QString m_path;
    QString m_consigne;
    Lesson m_saved; // as last opened or saved; the start-up lesson before
    QMenu* m_menu = nullptr;
    QAction* m_hideAction = nullptr;
    QAction* m_revealAction = nullptr;
    QList<QAction*> m_filterExports; // off while the filter is hidden
};
