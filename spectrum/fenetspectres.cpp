#include "fenetspectres.h"

#include "spectrumdrawing.h"
#include "vrpanel.h"

#include <QLabel>
#include <QPixmap>

Tfenspectres::Tfenspectres(SharedState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setWindowTitle(QStringLiteral("Spectre(s)"));
    VrPanel::Silver(this, 11);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(8, 64);
    setGeometry(3, 454, 565, 288);
}

QSize Tfenspectres::PictureSize() const
{
    return QSize(width() - 50, height() - 100);
}

void Tfenspectres::Redraw()
{
    const QSize size = PictureSize();
    m_layout = DrawSpectra(m_picture, m_state, size.width(), size.height());
    Image1->setPixmap(QPixmap::fromImage(m_picture));
    Image1->resize(m_picture.size());
}
