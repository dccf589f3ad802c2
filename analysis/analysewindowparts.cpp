// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the analysis window and their places.

#include "analysis/analysewindow.h"

#include "widgets/vrlook.h"
#include "widgets/vrpanel.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int WavePictureWidth = 430;
constexpr int BarsPictureWidth = 330;
constexpr int PictureHeight = 230;

template <typename W>
W* Control(W* w, const char* name, const QString& accessibleName)
{
    w->setObjectName(QString::fromLatin1(name));
    w->setAccessibleName(accessibleName);
    return w;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& accessibleName)
{
    auto* b = Control(new QPushButton(caption, parent), name, accessibleName);
    b->setAutoDefault(false);
    return b;
}

QLabel* Readout(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* l = Control(new QLabel(parent), name, accessibleName);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setMinimumWidth(250);
    return l;
}

} // namespace

void Tfenanalyse::BuildControls()
{
    auto* top = new QHBoxLayout;
    EnregistrerButton = Button(this, "EnregistrerButton", QStringLiteral("&Enregistrer"),
                               QStringLiteral("Enregistrer depuis l'entrée son"));
    EnregistrerButton->setToolTip(QStringLiteral("Enregistrer depuis l'entrée son par défaut (microphone)"));
    auto* dureeCaption = new QLabel(QStringLiteral("&Durée (s) :"), this);
    DureeSpin = Control(new QDoubleSpinBox(this), "DureeSpin", QStringLiteral("Durée de l'enregistrement en secondes"));
    DureeSpin->setLocale(QLocale(QLocale::French, QLocale::France));
    DureeSpin->setRange(0.5, 5.0);
    DureeSpin->setSingleStep(0.5);
    DureeSpin->setDecimals(1);
    DureeSpin->setValue(2.0);
    dureeCaption->setBuddy(DureeSpin);
    NiveauMeter = Control(new QProgressBar(this), "NiveauMeter", QStringLiteral("Niveau d'entrée"));
    NiveauMeter->setRange(0, 100);
    NiveauMeter->setValue(0);
    NiveauMeter->setFormat(QStringLiteral("niveau %p %"));
    NiveauMeter->setFixedWidth(140);
    DecompteLabel = Control(new QLabel(this), "DecompteLabel", QStringLiteral("Temps d'enregistrement restant"));
    DecompteLabel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Reste 5,0 s ")) + 8);
    OuvrirButton = Button(this, "OuvrirButton", QStringLiteral("&Ouvrir un son…"), QStringLiteral("Ouvrir un fichier son"));
    OuvrirButton->setToolTip(QStringLiteral("Ouvrir un fichier WAV, FLAC ou OGG"));
    SauverButton = Button(this, "SauverButton", QStringLiteral("Enregistrer en &WAV…"),
                          QStringLiteral("Enregistrer l'enregistrement en fichier WAV"));
    top->addWidget(EnregistrerButton);
    top->addWidget(dureeCaption);
    top->addWidget(DureeSpin);
    top->addWidget(NiveauMeter);
    top->addWidget(DecompteLabel);
    top->addStretch(1);
    top->addWidget(OuvrirButton);
    top->addWidget(SauverButton);

    SourceLabel = Control(new QLabel(QStringLiteral("Aucun son : enregistrer ou ouvrir un fichier."), this),
                          "SourceLabel", QStringLiteral("Son analysé"));

    auto* pictures = new QGridLayout;
    FormePicture = Control(new QLabel(this), "FormePicture",
                           QStringLiteral("Périodes de l'enregistrement et leur resynthèse"));
    FormePicture->setFixedSize(WavePictureWidth, PictureHeight);
    RaiesPicture = Control(new QLabel(this), "RaiesPicture", QStringLiteral("Spectre mesuré, en % du plus grand harmonique"));
    RaiesPicture->setFixedSize(BarsPictureWidth, PictureHeight);
    auto* periodes = new QHBoxLayout;
    auto* periodesCaption = new QLabel(QStringLiteral("&Périodes montrées :"), this);
    PeriodesSpin = Control(new QSpinBox(this), "PeriodesSpin", QStringLiteral("Nombre de périodes montrées"));
    PeriodesSpin->setRange(1, 3);
    PeriodesSpin->setValue(2);
    periodesCaption->setBuddy(PeriodesSpin);
    periodes->addWidget(periodesCaption);
    periodes->addWidget(PeriodesSpin);
    periodes->addStretch(1);
    auto* raiesCaption = new QLabel(QStringLiteral("Raies mesurées (% du plus grand harmonique ; rang 0 : moyenne)"), this);
    raiesCaption->setWordWrap(true);
    raiesCaption->setFixedWidth(BarsPictureWidth);
    pictures->addWidget(FormePicture, 0, 0);
    pictures->addWidget(RaiesPicture, 0, 1);
    pictures->addLayout(periodes, 1, 0);
    pictures->addWidget(raiesCaption, 1, 1);

    HarmoniquesTable = Control(new QTableWidget(AnalysedHarmonics, 4, this), "HarmoniquesTable",
                               QStringLiteral("Harmoniques mesurés"));
    HarmoniquesTable->setHorizontalHeaderLabels(
        {QStringLiteral("rang"), QStringLiteral("fréquence (Hz)"), QStringLiteral("amplitude"), QStringLiteral("phase (°)")});
    HarmoniquesTable->verticalHeader()->hide();
    HarmoniquesTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    HarmoniquesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HarmoniquesTable->setTabKeyNavigation(false);
    HarmoniquesTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    HarmoniquesTable->horizontalHeader()->setStretchLastSection(true);
    HarmoniquesTable->setMinimumWidth(430);
    HarmoniquesTable->setFixedHeight(HarmoniquesTable->horizontalHeader()->sizeHint().height()
                                     + AnalysedHarmonics * HarmoniquesTable->verticalHeader()->defaultSectionSize() + 4);

    auto* results = new QVBoxLayout;
    FondamentaleLabel = Readout(this, "FondamentaleLabel", QStringLiteral("Fréquence fondamentale"));
    MoyenneLabel = Readout(this, "MoyenneLabel", QStringLiteral("Valeur moyenne"));
    ResiduLabel = Readout(this, "ResiduLabel", QStringLiteral("Résidu"));
    ConfianceLabel = Readout(this, "ConfianceLabel", QStringLiteral("Confiance"));
    VersSyntheseButton = Button(this, "VersSyntheseButton", QStringLiteral("&Vers la synthèse"),
                                QStringLiteral("Vers la synthèse"));
    VersSyntheseButton->setToolTip(QStringLiteral("Régler la fenêtre principale sur ce son"));
    EcartLabel = Readout(this, "EcartLabel", QStringLiteral("Écart de la synthèse au son mesuré"));
    EcartLabel->setMinimumHeight(2 * fontMetrics().lineSpacing() + 4);
    EcouteOriginalButton = Button(this, "EcouteOriginalButton", QStringLiteral("Écoute ori&ginal"),
                                  QStringLiteral("Écouter l'enregistrement"));
    EcouteResyntheseButton = Button(this, "EcouteResyntheseButton", QStringLiteral("Écoute &resynthèse"),
                                    QStringLiteral("Écouter la resynthèse"));
    EcouteFiltreButton = Button(this, "EcouteFiltreButton", QStringLiteral("Écoute &filtré"),
                                QStringLiteral("Écouter l'enregistrement à travers le filtre"));
    ArretSonButton = Button(this, "ArretSonButton", QStringLiteral("&Arret son"), QStringLiteral("Arret son"));
    for (QLabel* l : {FondamentaleLabel, MoyenneLabel, ResiduLabel, ConfianceLabel})
        results->addWidget(l);
    results->addSpacing(6);
    results->addWidget(VersSyntheseButton);
    results->addWidget(EcartLabel);
    results->addSpacing(6);
    auto* listen = new QGridLayout;
    listen->addWidget(EcouteOriginalButton, 0, 0);
    listen->addWidget(EcouteResyntheseButton, 0, 1);
    listen->addWidget(EcouteFiltreButton, 1, 0);
    listen->addWidget(ArretSonButton, 1, 1);
    results->addLayout(listen);
    results->addStretch(1);

    auto* lower = new QHBoxLayout;
    lower->addWidget(HarmoniquesTable);
    lower->addLayout(results, 1);

    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(SourceLabel);
    all->addLayout(pictures);
    all->addLayout(lower);
    all->setSizeConstraint(QLayout::SetFixedSize);
}

void Tfenanalyse::SetTabOrder()
{
    const QList<QWidget*> order{EnregistrerButton,  DureeSpin,           OuvrirButton,         SauverButton,
                                PeriodesSpin,       HarmoniquesTable,    VersSyntheseButton,   EcouteOriginalButton,
                                EcouteResyntheseButton, EcouteFiltreButton, ArretSonButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}
