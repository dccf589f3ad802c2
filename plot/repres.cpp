#include "repres.h"

#include "artwork.h"
#include "numbers.h"
#include "rounding.h"
#include "sampling.h"
#include "txibutton.h"
#include "vrlook.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

namespace {

TXiButton* CaptionButton(QWidget* parent, const QString& caption, const QString& hint, GlyphKind glyph, int x)
{
    auto* b = new TXiButton(caption, parent);
    b->setGeometry(x, 0, 113, 57);
    b->setFont(VrLook::font(13));
    b->setToolTip(hint);
    b->setGlyph(ButtonGlyph(glyph, 16, 2.0));
    return b;
}

} // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { emit OnClick(this, true); });
    connect(m_down, &QToolButton::clicked, this, [this] { emit OnClick(this, false); });
}

void TUpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

Tfengraphe::Tfengraphe(SharedState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setWindowTitle(QStringLiteral("Graphes temporels"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, VrLook::Silver);
    setPalette(pal);
    setFont(VrLook::font(11));

    XiButton1 = CaptionButton(this, QStringLiteral("Copier"), QStringLiteral("Copie vectorielle"), GlyphKind::Copy, 0);
    XiButton2 = CaptionButton(this, QStringLiteral("/ 2"), QStringLiteral("Divise l'intervalle de temps par 2"),
                              GlyphKind::Halve, 120);
    XiButton3 = CaptionButton(this, QStringLiteral("x 2"), QStringLiteral("Double l'intervalle de temps"),
                              GlyphKind::Double, 240);
    UpDown1 = new TUpDown(this);
    UpDown1->setGeometry(368, 0, 25, 57);

    Label2 = new QLabel(QStringLiteral("Facteur echelle sortie"), this);
    Label2->move(400, 8);
    Label2->adjustSize();
    Label1 = new QLabel(QStringLiteral("1"), this);
    Label1->setAutoFillBackground(true);
    QPalette white = Label1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label1->setPalette(white);
    Label1->setMargin(2);
    Label1->move(408, 32);
    Label1->adjustSize();

    Image1 = new QLabel(this);
    Image1->move(8, 64);

    connect(XiButton1, &TXiButton::OnClick, this, &Tfengraphe::XiButton1Click);
    connect(XiButton2, &TXiButton::OnClick, this, &Tfengraphe::XiButton2Click);
    connect(XiButton3, &TXiButton::OnClick, this, &Tfengraphe::XiButton3Click);
    connect(UpDown1, &TUpDown::OnClick, this, &Tfengraphe::UpDown1Click);

    setGeometry(17, 110, 523, 319);
}

void Tfengraphe::ShowPicture(const QImage& picture)
{
    m_picture = picture;
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->resize(picture.size());
}

void Tfengraphe::Redraw(bool rescale)
{
    m_state.View.PointCount = PointCountForWidth(width());
    if (RecomputeAndRedraw)
        RecomputeAndRedraw(rescale, width() - 30, height() - 110);
}

void Tfengraphe::resizeEvent(QResizeEvent*)
{
    Redraw(false);
}

void Tfengraphe::closeEvent(QCloseEvent* e)
{
    e->ignore();
    showMinimized();
}

void Tfengraphe::Zoom(double factor)
{
    ZoomTimeRange(m_state.View, factor);
    Redraw(true);
}

void Tfengraphe::XiButton1Click(TXiButton*)
{
    if (CopyAsVector)
        CopyAsVector();
}

void Tfengraphe::XiButton2Click(TXiButton*)
{
    Zoom(0.5);
}

void Tfengraphe::XiButton3Click(TXiButton*)
{
    Zoom(2.0);
}

void Tfengraphe::UpDown1Click(TUpDown*, bool up)
{
    std::int32_t& factor = m_state.Display.OutputScaleFactor;
    if (up) {
        if (static_cast<long long>(factor) * 10 < 100000)
            factor *= 10;
    } else if (factor / 10.0 > 0.5) {
        factor = Round(factor / 10.0L);
    }
    Redraw(true);
    Label1->setText(QString::fromStdString(FormatNumber(factor)));
    Label1->adjustSize();
}
