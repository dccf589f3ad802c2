// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/graphcursors.h"

#include "plot/cursorcore.h"
#include "widgets/pictureview.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

QColor CursorColour(const DisplaySettings& display, bool onBlack)
{
    if (display.PaperPalette)
        return QColor(0x20, 0x20, 0x20);
    return onBlack ? QColor(0xFF, 0xE0, 0x40) : QColor(0x90, 0x00, 0x90);
}

GraphCursors::GraphCursors(PictureView* view) : QObject(view), m_view(view)
{
    view->installEventFilter(this);
    view->setFocusPolicy(Qt::StrongFocus);
}

void GraphCursors::SetFrame(const PlotFrame& frame)
{
    m_frame = frame;
    for (std::optional<double>& at : m_at)
        if (at)
            at = std::clamp(*at, std::min(frame.xMin, frame.xMax), std::max(frame.xMin, frame.xMax));
    Mark();
}

void GraphCursors::SetColour(const QColor& colour)
{
    m_colour = colour;
    Mark();
}

int GraphCursors::Column(int i) const
{
    return m_at[i] ? m_frame.Column(*m_at[i]) : -1;
}

double GraphCursors::WorldAt(int column) const
{
    column = std::clamp(column, m_frame.Left(), m_frame.Right());
    return ColumnToValue(m_frame.Left(), m_frame.Right(), column, m_frame.xMin, m_frame.xMax);
}

void GraphCursors::Place(int i, double x)
{
    m_at[i] = std::clamp(x, std::min(m_frame.xMin, m_frame.xMax), std::max(m_frame.xMin, m_frame.xMax));
    m_active = i;
    Mark();
    emit Moved();
}

void GraphCursors::HideAll()
{
    if (!Shown())
        return;
    m_at = {};
    m_active = 0;
    Mark();
    emit Moved();
}

void GraphCursors::Show()
{
    if (!m_at[m_active]) {
        const int middle = (m_frame.Left() + m_frame.Right()) / 2;
        const int offset = m_active == 1 ? (m_frame.Right() - m_frame.Left()) / 10 : 0;
        Place(m_active, WorldAt(middle + offset));
    }
}

void GraphCursors::Step(int columns)
{
    if (!m_at[m_active])
        return Show();
    Place(m_active, WorldAt(Column(m_active) + columns));
}

void GraphCursors::Mark()
{
    std::vector<PictureMark> marks;
    for (int i = 0; i < 2; ++i)
        if (m_at[i])
            marks.push_back({m_frame.Column(*m_at[i]), m_colour, i == 1});
    m_view->SetMarks(marks);
}

bool GraphCursors::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (!(e->buttons() & Qt::LeftButton))
            return false;
        const int i = event->type() == QEvent::MouseMove ? m_active
                                                         : (e->modifiers() & Qt::ControlModifier ? 1 : 0);
        const QPoint p = e->position().toPoint();
        double x = WorldAt(p.x());
        if ((e->modifiers() & Qt::ShiftModifier) && SnapNear)
            if (const std::optional<double> snapped = SnapNear(x, p.y()))
                x = *snapped;
        Place(i, x);
        m_view->setFocus(Qt::MouseFocusReason);
        return true;
    }
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        const int tenth = std::max(1, (m_frame.Right() - m_frame.Left()) / 10);
        const bool shift = e->modifiers() & Qt::ShiftModifier;
        switch (e->key()) {
        case Qt::Key_C:
            if (Shown())
                HideAll();
            else
                Show();
            return true;
        case Qt::Key_1:
        case Qt::Key_2:
            m_active = e->key() == Qt::Key_1 ? 0 : 1;
            if (m_at[m_active])
                emit Moved();
            else
                Show();
            return true;
        case Qt::Key_Escape:
            if (!Shown())
                return false;
            HideAll();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right: {
            const int direction = e->key() == Qt::Key_Right ? 1 : -1;
            if (shift && m_at[m_active] && SnapNext) {
                if (const std::optional<double> next = SnapNext(*m_at[m_active], direction))
                    Place(m_active, *next);
                return true;
            }
            Step(direction);
            return true;
        }
        case Qt::Key_PageUp:
            Step(tenth);
            return true;
        case Qt::Key_PageDown:
            Step(-tenth);
            return true;
        case Qt::Key_Home:
            Place(m_active, WorldAt(m_frame.Left()));
            return true;
        case Qt::Key_End:
            Place(m_active, WorldAt(m_frame.Right()));
            return true;
        default:
            return false;
        }
    }
    default:
        return false;
    }
}
