// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The read-out of the measuring cursors: a small tool window beside its
// graph's window, a table with one row a quantity (the instant, each
// curve's value, the interval) and one column a cursor, plus the
// difference when both are shown. Each value is a label named
// "Lecture<row key><column>" whose accessible name says what it is and
// what it reads ("Entrée, curseur 1 : 1.235"), so that a screen reader
// hears the change. The window takes the size its table needs, whole.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QGridLayout;
class QLabel;

struct ReadoutRow {
    QString Key;        // objectName stem: "T", "Entree", "H3" ...
    QString Caption;    // "t (s)", "Entrée" ...
    QStringList Values; // one a column; an empty text leaves the cell blank
};

class CursorReadout : public QWidget {
    Q_OBJECT

public:
    CursorReadout(QWidget* graphWindow, const QString& title, const QString& objectName);

    // The column headers ("Curseur 1", "Curseur 2", "Écart") and the rows.
    // The table is rebuilt only when its shape changes; otherwise the texts
    // change in place.
    void SetTable(const QStringList& headers, const std::vector<ReadoutRow>& rows);

    // Shows the window beside its graph's window, right of it when the
    // screen has room there, else left of it, else below.
    void ShowBeside();

    // Puts the read-out away: the cursors are gone.
    void Dismiss();

    // The label of a value, or null.
    QLabel* Cell(const QString& key, int column) const;

protected:
    // The read-out goes while its graph's window is hidden or minimised
    // and comes back with it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_graph;
    bool m_wanted = false; // shown by the cursors
    QGridLayout* m_grid;
    QStringList m_headers;
    std::vector<QString> m_keys;
    std::vector<std::vector<QLabel*>> m_cells;
    std::vector<QLabel*> m_captions;
    std::vector<QLabel*> m_headerLabels;
};
