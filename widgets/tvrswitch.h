// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/tvrrangecontrol.h"

// A multi-position slide switch: a lever in a slotted plate with a lamp beside
// each position, the lamp of the current position lit. Offset runs from 0 to
// Positions − 1: from the bottom up when vertical (the default), from left to
// right when horizontal.
// Mouse: a click or a drag puts the lever on the nearest position.
// Keyboard (no modifier): Home = 0, End = Positions − 1, Right and Up add one,
// Left and Down subtract one.
class TVrSwitch : public TVrRangeControl
{
    Q_OBJECT

public:
    explicit TVrSwitch(QWidget* parent = nullptr);

    int Offset() const { return rangeValue(); }
    void setOffset(int offset) { setRangeValue(offset); }

    // Number of positions, at least 1; lowering it below the offset moves the
    // lever to the new last position.
    int Positions() const { return rangeMax() + 1; }
    void setPositions(int positions);

    Qt::Orientation Orientation() const { return m_orientation; }
    void setOrientation(Qt::Orientation orientation);

    QColor LedColor() const { return m_ledColor; }
    void setLedColor(const QColor& color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void paint(QPainter& p, const QRect& r) const;

signals:
    void OnChange(TVrSwitch* sender);

protected:
    void notifyChange() override { emit OnChange(this); }
    void paintEvent(QPaintEvent*) override;
    QList<KeyStep> keySteps() const override;
    // A press anywhere puts the lever on the nearest position, and so does
    // each move of the drag; the release leaves it there.
    bool isScrollPosition(QPointF) const override { return true; }
    qint64 scrolledTo(QPointF pos) override;

private:
    // Centre of position i along the main axis (pixels from the start edge, toward the last position).
    qreal stopAt(int i, qreal length) const;

    Qt::Orientation m_orientation = Qt::Vertical;
    QColor m_ledColor = QColor(0x00, 0xFF, 0x00);
};
