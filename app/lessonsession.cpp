// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lessonsession.h"

#include "app/exports.h"
#include "app/lessonio.h"
#include "app/program.h"
#include "app/redrawcycle.h"
#include "app/simplefour.h"
#include "filter/responsewindow.h"
#include "lesson/lessonfile.h"
#include "widgets/dialogservice.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

LessonSession::LessonSession(Program& program, DialogService& dialogs)
    : QObject(&program.fensynth()), m_program(program), m_dialogs(dialogs)
{
    m_saved = Capture();
    BuildMenu();
    Tfensynth& main = m_program.fensynth();
    main.SetFileMenu(m_menu);
    main.SetCloseGuard([this] { return MayDropChanges(true); });
    // The title's mark follows every change: each ends in a redraw, or
    // (colours, copy sizes) in the focus leaving the control.
    m_program.Cycle().SetAfterRedraw([this] { Refresh(); });
    connect(qApp, &QApplication::focusChanged, this, [this] { Refresh(); });
    Refresh();
}

LessonSession::~LessonSession()
{
    m_program.Cycle().SetAfterRedraw({});
}

void LessonSession::BuildMenu()
{
    Tfensynth& main = m_program.fensynth();
    m_menu = new QMenu(&main);
    m_menu->setObjectName(QStringLiteral("MenuFichier"));
    m_menu->setAccessibleName(QStringLiteral("Menu Fichier"));
    auto add = [this](const QString& text, const char* name, const QKeySequence& keys, auto slot) {
        QAction* a = m_menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty())
            a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add(QStringLiteral("Ouvrir…"), "ActionOuvrir", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OpenCommand(); });
    add(QStringLiteral("Enregistrer"), "ActionEnregistrer", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { Save(); });
    add(QStringLiteral("Enregistrer sous…"), "ActionEnregistrerSous", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { SaveAs(); });
    m_menu->addSeparator();
    add(QStringLiteral("Consigne…"), "ActionConsigne", {}, [this] { EditConsigne(); });
    m_hideAction = add(QStringLiteral("Cacher le filtre (exercice)"), "ActionCacherFiltre", {}, [this] { HideFilter(); });
    m_revealAction = add(QStringLiteral("Révéler le filtre…"), "ActionRevelerFiltre", {}, [this] { RevealFilter(); });
    m_menu->addSeparator();
    struct ExportEntry {
        const char* text;
        const char* name;
        ExportCommand command;
        QKeySequence keys;
    };
    const ExportEntry exports[] = {
        {"Exporter le tableau (CSV)…", "ActionExporterCsv", ExportCommand::Csv, {}},
        {"Exporter le graphe temporel…", "ActionExporterTemporel", ExportCommand::TimeGraph, {}},
        {"Exporter les spectres…", "ActionExporterSpectres", ExportCommand::SpectraGraph, {}},
        {"Exporter la réponse du filtre…", "ActionExporterReponse", ExportCommand::ResponseGraph, {}},
        {"Rapport PDF…", "ActionRapportPdf", ExportCommand::ReportPdf, {}},
        {"Imprimer…", "ActionImprimer", ExportCommand::Print, QKeySequence(Qt::CTRL | Qt::Key_P)},
    };
    for (const ExportEntry& e : exports) {
        const ExportCommand command = e.command;
        m_filterExports << add(QString::fromUtf8(e.text), e.name, e.keys, [this, command] {
            RunExportCommand(m_program, command, m_dialogs, &m_program.fensynth());
        });
    }
}

void LessonSession::Refresh()
{
    Tfensynth& main = m_program.fensynth();
    if (m_path.isEmpty()) {
        main.setWindowTitle(ProgramTitle());
        main.setWindowModified(false);
    } else {
        main.setWindowTitle(QFileInfo(m_path).fileName() + QStringLiteral("[*] – ") + ProgramTitle());
        main.setWindowModified(IsModified());
    }
    const bool hidden = main.FilterHidden();
    if (m_hideAction) {
        m_hideAction->setVisible(!hidden);
        m_revealAction->setVisible(hidden);
        // The exports and the report carry the filter's values.
        for (QAction* a : m_filterExports)
            a->setEnabled(!hidden);
    }
}

bool LessonSession::IsModified() const
{
    return !(Capture() == m_saved);
}

bool LessonSession::MayDropChanges(bool closing)
{
    if ((closing && m_path.isEmpty()) || !IsModified())
        return true;
    const QString name = m_path.isEmpty() ? QStringLiteral("sans nom") : QFileInfo(m_path).fileName();
    const int answer = m_dialogs.Question(
        &m_program.fensynth(),
        QStringLiteral("La séance « %1 » a des modifications non enregistrées. Les enregistrer ?").arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return Save();
    return answer == QMessageBox::Discard;
}

bool LessonSession::Open(const QString& path, bool showNote)
{
    const LessonLoad load = ReadLessonFile(path);
    if (!load.Read) {
        m_dialogs.Error(&m_program.fensynth(), load.Message);
        return false;
    }
    Restore(*load.Read);
    m_path = QFileInfo(path).absoluteFilePath();
    m_saved = Capture();
    Refresh();
    if (showNote && !m_consigne.isEmpty())
        m_dialogs.ShowText(&m_program.fensynth(),
                           QStringLiteral("Consigne – %1").arg(QFileInfo(m_path).fileName()),
                           QStringLiteral("Consigne pour l'élève :"), m_consigne);
    return true;
}

void LessonSession::OpenCommand()
{
    if (!MayDropChanges(false))
        return;
    const QString folder = m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
    const std::optional<QString> path =
        m_dialogs.OpenFileName(&m_program.fensynth(), QStringLiteral("Ouvrir une séance"), folder, LessonFileFilter());
    if (path)
        Open(*path);
}

bool LessonSession::WriteTo(const QString& path)
{
    const Lesson lesson = Capture();
    const QString failure = WriteLessonFile(path, lesson);
    if (!failure.isEmpty()) {
        m_dialogs.Error(&m_program.fensynth(), failure);
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_saved = lesson;
    Refresh();
    return true;
}

bool LessonSession::Save()
{
    return m_path.isEmpty() ? SaveAs() : WriteTo(m_path);
}

bool LessonSession::SaveAs()
{
    const QString suggested = m_path.isEmpty() ? QStringLiteral("seance.seance") : m_path;
    std::optional<QString> path = m_dialogs.SaveFileName(
        &m_program.fensynth(), QStringLiteral("Enregistrer la séance"), suggested, LessonFileFilter());
    if (!path || path->isEmpty())
        return false;
    if (QFileInfo(*path).suffix().isEmpty() && !QFileInfo(*path).isDir())
        *path += QStringLiteral(".seance");
    return WriteTo(*path);
}

void LessonSession::EditConsigne()
{
    const std::optional<QString> text = m_dialogs.EditText(
        &m_program.fensynth(), QStringLiteral("Consigne"),
        QStringLiteral("Consigne pour l'élève, montrée à l'ouverture de la séance :"), m_consigne);
    if (!text)
        return;
    const QString trimmed = text->trimmed();
    if (trimmed.toUtf8().size() > static_cast<qsizetype>(MaxConsigneBytes)) {
        m_dialogs.Error(&m_program.fensynth(), QStringLiteral("Consigne trop longue : 20000 octets au plus."));
        return;
    }
    m_consigne = trimmed;
    Refresh();
}

void LessonSession::HideFilter()
{
    m_program.fenreponse().hide();
    m_program.fensynth().SetFilterHidden(true);
    Refresh();
}

void LessonSession::RevealFilter()
{
    const int answer = m_dialogs.Question(
        &m_program.fensynth(),
        QStringLiteral("Révéler le filtre ? L'exercice consiste à le trouver d'après les spectres et le son."),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_program.fensynth().SetFilterHidden(false);
    Refresh();
}
