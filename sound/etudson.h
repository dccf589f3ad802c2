#pragma once

// The sound study window "Etude sonore": plays the input or the output.

#include <QWidget>

class Tfenetson : public QWidget {
    Q_OBJECT

public:
    explicit Tfenetson(QWidget* parent = nullptr);
};
