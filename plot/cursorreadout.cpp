// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/cursorreadout.h"

#include "widgets/vrlook.h"

#include <QAccessible>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>

#include <algorithm>

CursorReadout::CursorReadout(QWidget* graphWindow, const QString& title, const QString& objectName)
    : QWidget(graphWindow, Qt::Tool), m_graph(graphWindow), m_grid(new QGridLayout(this))
{
    setObjectName(objectName);
    setWindowTitle(title);
    setAccessibleName(title);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, VrLook::Ink);
    setPalette(pal);
    m_grid->setContentsMargins(8, 6, 8, 6);
    m_grid->setHorizontalSpacing(14);
    m_grid->setVerticalSpacing(2);
    m_grid->setSizeConstraint(QLayout::SetFixedSize);
    graphWindow->installEventFilter(this);
}

void CursorReadout::Dismiss()
{
    m_wanted = false;
    hide();
}

bool CursorReadout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_graph) {
        const QEvent::Type type = event->type();
        if (type == QEvent::Hide || (type == QEvent::WindowStateChange && m_graph->isMinimized()))
            hide();
        else if (m_wanted && (type == QEvent::Show || type == QEvent::WindowStateChange) && m_graph->isVisible() &&
                 !m_graph->isMinimized())
            show();
    }
    return false;
}

QLabel* CursorReadout::Cell(const QString& key, int column) const
{
    for (std::size_t r = 0; r < m_keys.size(); ++r)
        if (m_keys[r] == key && column >= 0 && column < static_cast<int>(m_cells[r].size()))
            return m_cells[r][column];
    return nullptr;
}

void CursorReadout::SetTable(const QStringList& headers, const std::vector<ReadoutRow>& rows)
{
    std::vector<QString> keys;
    for (const ReadoutRow& r : rows)
        keys.push_back(r.Key);
    if (keys != m_keys || headers != m_headers) {
        for (QLabel* l : m_captions)
            delete l;
        for (QLabel* l : m_headerLabels)
            delete l;
        for (auto& row : m_cells)
            for (QLabel* l : row)
                delete l;
        m_captions.clear();
        m_headerLabels.clear();
        m_cells.clear();
        m_keys = keys;
        m_headers = headers;
        const QFont font = VrLook::font(12);
        // Value cells of a fixed size, wide enough for any number text: a
        // new value repaints its cell and moves nothing.
        const QFontMetrics fm(font);
        int cellWidth = fm.horizontalAdvance(QStringLiteral("× -8.88E-308")) + 2;
        for (const QString& h : headers)
            cellWidth = std::max(cellWidth, QFontMetrics(VrLook::font(12, true)).horizontalAdvance(h) + 2);
        const int cellHeight = fm.height() + 2;
        for (int c = 0; c < headers.size(); ++c) {
            auto* h = new QLabel(headers[c], this);
            h->setPalette(palette());
            h->setFont(VrLook::font(12, true));
            h->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            h->setObjectName(QStringLiteral("LectureTitre%1").arg(c + 1));
            m_grid->addWidget(h, 0, c + 1);
            m_headerLabels.push_back(h);
        }
        for (std::size_t r = 0; r < rows.size(); ++r) {
            auto* caption = new QLabel(rows[r].Caption, this);
            caption->setPalette(palette());
            caption->setFont(font);
            caption->setObjectName(QStringLiteral("LectureNom") + rows[r].Key);
            m_grid->addWidget(caption, static_cast<int>(r) + 1, 0);
            m_captions.push_back(caption);
            std::vector<QLabel*> cells;
            for (int c = 0; c < headers.size(); ++c) {
                auto* v = new QLabel(this);
                v->setFont(font);
                v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                v->setFixedSize(cellWidth, cellHeight);
                v->setTextFormat(Qt::PlainText);
                v->setPalette(palette());
                v->setAutoFillBackground(true);
                v->setObjectName(QStringLiteral("Lecture%1%2").arg(rows[r].Key).arg(c + 1));
                m_grid->addWidget(v, static_cast<int>(r) + 1, c + 1);
                cells.push_back(v);
            }
            m_cells.push_back(cells);
        }
        m_grid->activate();
        adjustSize();
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (m_captions[r]->text() != rows[r].Caption)
            m_captions[r]->setText(rows[r].Caption);
        for (int c = 0; c < static_cast<int>(m_cells[r].size()); ++c) {
            QLabel* v = m_cells[r][c];
            const QString text = c < rows[r].Values.size() ? rows[r].Values[c] : QString();
            if (v->text() == text && !v->accessibleName().isEmpty())
                continue;
            v->setText(text);
            const QString name = text.isEmpty() ? QStringLiteral("%1, %2 : aucune valeur").arg(rows[r].Caption, headers[c])
                                                : QStringLiteral("%1, %2 : %3").arg(rows[r].Caption, headers[c], text);
            v->setAccessibleName(name);
            QAccessibleEvent changed(v, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
    }
}

void CursorReadout::ShowBeside()
{
    m_wanted = true;
    if (isVisible() || !m_graph->isVisible() || m_graph->isMinimized())
        return;
    adjustSize();
    // Right of the graph's window, below it, left of it or above it: the
    // first place on the screen that covers none of the program's windows;
    // right of it when none does.
    const QRect g = m_graph->frameGeometry();
    const QScreen* screen = m_graph->screen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 4000, 4000);
    const QSize size = frameGeometry().size().expandedTo(sizeHint());
    const QPoint places[] = {{g.right() + 5, g.top()},
                             {g.left(), g.bottom() + 5},
                             {g.left() - 5 - size.width(), g.top()},
                             {g.left(), g.top() - 5 - size.height()}};
    QPoint at = places[0];
    for (const QPoint& p : places) {
        const QRect r(p, size);
        if (!avail.contains(r))
            continue;
        bool free = true;
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w != this && w->isVisible() && !w->isMinimized() && w->frameGeometry().intersects(r))
                free = false;
        if (free) {
            at = p;
            break;
        }
    }
    move(at);
    show();
}
