// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tvrclickvalue.h"

#include "widgets/vrlook.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int Padding = 4; // between the frame and the text
}

TVrClickValue::TVrClickValue(QWidget* parent) : TVrClickValue(QString(), parent)
{
}

TVrClickValue::TVrClickValue(const QString& text, QWidget* parent)
    : TVrButtonBase(text, parent), m_textColor(0x00, 0x00, 0xA0)
{
    setFont(VrLook::font(16, true));
    setCursor(Qt::PointingHandCursor);
}

void TVrClickValue::setTextColor(const QColor& color)
{
    if (color == m_textColor)
        return;
    m_textColor = color;
    update();
}

QFont TVrClickValue::fittedFont() const
{
    QFont f = font();
    const int room = width() - 2 * Padding;
    for (int px = f.pixelSize(); px > 6; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(Caption()) <= room)
            break;
    }
    return f;
}

QSize TVrClickValue::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(std::max(24, fm.horizontalAdvance(Caption()) + 2 * Padding), fm.height() + 2 * Padding);
}

QSize TVrClickValue::minimumSizeHint() const
{
    return QSize(16, 16);
}

void TVrClickValue::keyPressEvent(QKeyEvent* e)
{
    if (VrLook::isActivationKey(e) && e->key() != Qt::Key_Space) {
        activate();
        return;
    }
    TVrButtonBase::keyPressEvent(e);
}

void TVrClickValue::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, rect());
}

void TVrClickValue::paint(QPainter& p, const QRect& r) const
{
    p.save();
    if (isHovered() && isEnabled())
        p.fillRect(r, isDown() ? VrLook::HotFace.darker(110) : VrLook::HotFace);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(VrLook::Shadow, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(VrLook::crisp(r));
    p.setFont(fittedFont());
    p.setPen(isEnabled() ? m_textColor : VrLook::Disabled);
    p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, Caption());
    p.restore();
    VrLook::clickableMark(p, r, isHovered() && isEnabled(), hasFocus());
}
