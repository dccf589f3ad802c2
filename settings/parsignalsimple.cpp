#include "parsignalsimple.h"

#include "vrlook.h"

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Parametres"));
    setFixedSize(458, 394);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, VrLook::Silver);
    setPalette(pal);
}
