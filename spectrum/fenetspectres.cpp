#include "fenetspectres.h"

#include "vrlook.h"

#include <QLabel>
#include <QPixmap>

Tfenspectres::Tfenspectres(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Spectre(s)"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, VrLook::Silver);
    setPalette(pal);
    setFont(VrLook::font(11));
    Image1 = new QLabel(this);
    Image1->move(8, 64);
    setGeometry(3, 454, 565, 288);
}

void Tfenspectres::ShowPicture(const QImage& picture)
{
    m_picture = picture;
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->resize(picture.size());
}
