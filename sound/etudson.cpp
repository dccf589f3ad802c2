#include "etudson.h"

Tfenetson::Tfenetson(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Etude sonore"));
    setFixedSize(411, 218);
}
