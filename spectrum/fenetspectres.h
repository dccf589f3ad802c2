#pragma once

// The spectrum window: the picture of the line spectra.

#include <QImage>
#include <QWidget>

class QLabel;

class Tfenspectres : public QWidget {
    Q_OBJECT

public:
    explicit Tfenspectres(QWidget* parent = nullptr);

    // Hands a new picture to the image, which takes its size.
    void ShowPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }

    QLabel* Image1;

private:
    QImage m_picture;
};
