#pragma once

// The settings dialog "Parametres": signal limits, graph appearance,
// colours, copy size and spectrum mode.

#include <QWidget>

class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
};
