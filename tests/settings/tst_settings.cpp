// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog driven through its own controls: the window, its
// captions and picture, the controls acting at once on the look of the
// graphs, the colours, the copy size, the spectrum mode and the keyboard.
#include "tests/settings/settingsfixture.h"


class SettingsTest : public QObject, public SettingsFixture {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareSuite(); }
    void init() { StartDialog(); }
    void cleanup() { StopDialog(); }

    void window();
    void layoutAndScreenshot();
    void gridAndBackground();
    void graduationLength_data();
    void graduationLength();
    void graduationFont();
    void colours_data();
    void colours();
    void colourPickerKeepsItsColour();
    void copySize_data();
    void copySize();
    void spectrumMode();
    void tabRunsAsTheDialogReads();
    void labelsAnswerTheKeyboard_data();
    void labelsAnswerTheKeyboard();
};

void SettingsTest::window()
{
    TForm2& f = *m_form;
    QCOMPARE(f.windowTitle(), QStringLiteral("Parametres"));
    QCOMPARE(f.size(), QSize(458, 394));
    QVERIFY(!(f.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(f.windowFlags() & Qt::WindowMinMaxButtonsHint));

    // Neither Escape nor a close request closes it; only OK does.
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(f.isVisible());
    QVERIFY(!f.close());
    QVERIFY(f.isVisible());
    Click(C.OKbutt);
    QVERIFY(!f.isVisible());
    QVERIFY(m_dialogs.Errors.isEmpty());

    // The OK caption: black bold normally, red under the pointer.
    QVERIFY(C.OKbutt->FontLeave().bold());
    QVERIFY(!C.OKbutt->FontEnter().bold());
    QCOMPARE(C.OKbutt->ColorLeave(), QColor(Qt::black));
    QCOMPARE(C.OKbutt->ColorEnter(), QColor(Qt::red));
}

// Every caption as given, each inside its parent, fully shown and clear of
// its neighbours; the colour labels in their colours; the picture saved.
void SettingsTest::layoutAndScreenshot()
{
    TForm2& f = *m_form;
    QStringList captions;
    for (const QLabel* l : f.findChildren<QLabel*>())
        captions << l->text();
    for (const TVrCheckLed* l : f.findChildren<TVrCheckLed*>())
        captions << l->Caption();
    for (const TVrDemoButton* b : f.findChildren<TVrDemoButton*>())
        captions << b->Caption();
    const QStringList expected = {
        "Parametres du signal", "Fréquence: (<1MHz)", "Amplitude max des harmoniques",
        "Nb de périodes visualisées<10", "Synthetiseur", "Coeff max valmoy<=10", "Incrément (%) avec touches",
        "Type spectres", "% amp", "Ampl", "RMS", "Parametres graphiques", "Quadrillage", "Fond noir",
        "Type de quadrillage", "Plein", "Pointillés", "Longueur graduations:  3", "Type graduations",
        "Couleur axes", "Couleurs des courbes:", "Couleur signal", "Couleur synthèse", "Couleur sortie",
        "Couleur harmo 1", "Couleur harmo 2", "Couleur harmo 3", "Couleur harmo 4", "Couleur harmo 5",
        "Couleur harmo 6", "Couleur harmo 7", "Couleur harmo 8", "Couleur harmo 9", "Couleur harmo 10",
        "Couleur harmo11", "Couleur harmo 12", "Couleur spectre Entrée", "Couleur spectre Sortie",
        "Taille graphe copié", "14,9", "horiz (cm)", "11", "vertic (cm)", "OK", "A propos",
        "Fourier et filtres"};
    for (const QString& c : expected)
        QVERIFY2(captions.contains(c), qPrintable(c));
    QVERIFY(captions.contains(QStringLiteral("Version " PROGRAM_VERSION)));

    for (const QWidget* w : f.findChildren<QWidget*>()) {
        const QWidget* parent = w->parentWidget();
        QVERIFY2(parent->rect().contains(w->geometry()), qPrintable(w->objectName()));
        if (qobject_cast<const QLabel*>(w) || qobject_cast<const TVrCheckLed*>(w) ||
            qobject_cast<const TVrDemoButton*>(w))
            QVERIFY2(w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height(),
                     qPrintable(w->objectName()));
        for (const QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (sibling != w && !(sibling->isAncestorOf(w) || w->isAncestorOf(sibling)))
                QVERIFY2(!w->geometry().intersects(sibling->geometry()),
                         qPrintable(w->objectName() + " / " + sibling->objectName()));
    }

    const QImage shot = f.grab().toImage();
    QVERIFY(shot.save(QStringLiteral(PICTURE_DIR "/settings-dialog.png")));
    // Each colour label is written in its colour (up to the smoothing of
    // the glyphs' edges) on the black of the graphs.
    for (int i = 0; i < 18; ++i) {
        TClickableLabel* l = C.ColourLabel[i];
        const QColor want = QColor(QRgb(*ColourFields(m_s.Display)[i]));
        QCOMPARE(l->textColour(), want);
        const QImage img = l->grab().toImage();
        auto near = [&](QColor c) {
            return std::abs(c.red() - want.red()) <= 40 && std::abs(c.green() - want.green()) <= 40 &&
                   std::abs(c.blue() - want.blue()) <= 40;
        };
        bool seen = false;
        for (int y = 0; y < img.height() && !seen; ++y)
            for (int x = 0; x < img.width() && !seen; ++x)
                seen = near(QColor(img.pixel(x, y)));
        QVERIFY2(seen, qPrintable(l->objectName()));
    }
}

void SettingsTest::gridAndBackground()
{
    TForm2& f = *m_form;
    QVERIFY(!C.choixquad->Checked());
    QVERIFY(C.CheckBox1->Checked());
    QCOMPARE(C.RadioGroup1->ItemIndex(), 1);

    Click(C.choixquad);
    QVERIFY(m_s.Display.Plot.GridOn);
    Click(C.RadioGroup1->Item(0));
    QVERIFY(!m_s.Display.Plot.GridDotted);
    // Clicking the lit item keeps it lit and does nothing.
    Click(C.RadioGroup1->Item(0));
    QCOMPARE(C.RadioGroup1->ItemIndex(), 0);
    Click(C.RadioGroup1->Item(1));
    QVERIFY(m_s.Display.Plot.GridDotted);
    // The colour labels stand on the graphs' background.
    auto* well = f.findChild<QWidget*>(QStringLiteral("ColourWell"));
    const QPoint empty(20, well->height() - 8);
    QCOMPARE(well->grab().toImage().pixelColor(empty), QColor(Qt::black));
    Click(C.CheckBox1);
    QVERIFY(!m_s.Display.BlackBackground);
    QCOMPARE(well->grab().toImage().pixelColor(empty), QColor(Qt::white));
    QVERIFY(f.grab().save(QStringLiteral(PICTURE_DIR "/settings-dialog-white.png")));
    QCOMPARE(m_main->Log, QStringList({"points", "points", "points"}));

    // Not reloaded when the dialog comes back.
    f.hide();
    f.show();
    QVERIFY(C.choixquad->Checked());
    QVERIFY(!C.CheckBox1->Checked());
}

void SettingsTest::graduationLength_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("error");

    QTest::newRow("30") << false << "30" << 30 << false;
    QTest::newRow("1") << false << "1" << 1 << false;
    QTest::newRow("blanks") << false << " 7 " << 7 << false;
    QTest::newRow("default") << false << "3" << 3 << false;
    QTest::newRow("0 ignored") << false << "0" << 3 << false;
    QTest::newRow("31 ignored") << false << "31" << 3 << false;
    QTest::newRow("-5 ignored") << false << "-5" << 3 << false;
    QTest::newRow("2.5") << false << "2.5" << 3 << true;
    QTest::newRow("letters") << false << "abc" << 3 << true;
    QTest::newRow("empty") << false << "" << 3 << true;
    QTest::newRow("1e999") << false << "1e999" << 3 << true;
    QTest::newRow("10000 digits") << false << QString(10000, QLatin1Char('9')) << 3 << true;
    QTest::newRow("cancel") << true << "" << 3 << false;
}

void SettingsTest::graduationLength()
{
    QFETCH(bool, cancel);
    QFETCH(QString, answer);
    QFETCH(int, length);
    QFETCH(bool, error);

    m_dialogs.Answers.push(cancel ? std::nullopt : std::optional<QString>(answer));
    Click(C.Label6);

    QCOMPARE(m_dialogs.Boxes.size(), 1);
    QCOMPARE(m_dialogs.Boxes[0].caption, QStringLiteral("Longueur des graduations"));
    QCOMPARE(m_dialogs.Boxes[0].prompt, QStringLiteral("Entrer la longueur des graduations < 30"));
    QCOMPARE(m_dialogs.Boxes[0].defaultText, QStringLiteral("3"));
    QCOMPARE(m_s.Display.Plot.GraduationLength, length);
    QCOMPARE(m_dialogs.Errors.size(), error ? 1 : 0);
    if (error)
        QVERIFY(m_dialogs.Errors[0].contains(QStringLiteral("n'est pas un nombre valide")));
    QCOMPARE(m_main->Log, cancel || error ? QStringList() : QStringList({"points"}));
    QCOMPARE(C.Label6->text(), QStringLiteral("Longueur graduations:  3"));
}

void SettingsTest::graduationFont()
{
    const QFont chosen(QStringLiteral("DejaVu Serif"), 14);
    m_dialogs.Fonts.push(chosen);
    Click(C.VrDemoButton2);
    QCOMPARE(m_dialogs.FontPickersOpenedAt.size(), 1);
    QCOMPARE(m_dialogs.FontPickersOpenedAt[0].family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(m_dialogs.FontPickersOpenedAt[0].pointSize(), 8);
    QCOMPARE(m_s.Display.Plot.FontName, std::string("DejaVu Serif"));
    QCOMPARE(m_s.Display.Plot.FontSize, 14);
    QCOMPARE(m_main->Log, QStringList({"points"}));

    // The picker opens at the last font taken; a cancel changes nothing.
    Click(C.VrDemoButton2);
    QCOMPARE(m_dialogs.FontPickersOpenedAt[1], chosen);
    QCOMPARE(m_s.Display.Plot.FontName, std::string("DejaVu Serif"));
    QCOMPARE(m_s.Display.Plot.FontSize, 14);
    QCOMPARE(m_main->Log, QStringList({"points"}));

    // A size the graphs are not laid out for is refused with its message;
    // the font in force stays, in the state and in the picker.
    QFont tooLarge(QStringLiteral("DejaVu Sans"), 17);
    QFont tooSmall(QStringLiteral("DejaVu Sans"));
    tooSmall.setPixelSize(7); // 5.25 points
    QFont smallest(QStringLiteral("DejaVu Sans"));
    smallest.setPixelSize(8); // 6 points
    m_dialogs.Fonts.push(tooLarge);
    m_dialogs.Fonts.push(tooSmall);
    m_dialogs.Fonts.push(smallest);
    Click(C.VrDemoButton2);
    Click(C.VrDemoButton2);
    const QString message = QStringLiteral("Taille des graduations : de 6 à 16 points");
    QCOMPARE(m_dialogs.Errors, QStringList({message, message}));
    QCOMPARE(m_dialogs.FontPickersOpenedAt[3], chosen);
    QCOMPARE(m_s.Display.Plot.FontName, std::string("DejaVu Serif"));
    QCOMPARE(m_s.Display.Plot.FontSize, 14);
    QCOMPARE(m_main->Log, QStringList({"points"}));
    Click(C.VrDemoButton2);
    QCOMPARE(m_s.Display.Plot.FontName, std::string("DejaVu Sans"));
    QCOMPARE(m_s.Display.Plot.FontSize, 6);
    QCOMPARE(m_dialogs.Errors.size(), 2);
}

void SettingsTest::colours_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("field"); // index into the colour fields below
    QTest::addColumn<bool>("resetsPoints");

    const char* harmonics[13] = {nullptr,   "Label7",  "Label8",  "Label5",  "Label9",  "Label10", "Label11",
                                 "Label12", "Label13", "Label23", "Label14", "Label15", "Label16"};
    QTest::newRow("axes") << "Label3" << "Couleur axes" << 0 << true;
    QTest::newRow("signal") << "Label24" << "Couleur signal" << 1 << true;
    QTest::newRow("synthesis") << "Label17" << "Couleur synthèse" << 2 << true;
    QTest::newRow("output") << "Label29" << "Couleur sortie" << 3 << true;
    for (int k = 1; k <= 12; ++k)
        QTest::addRow("harmonic %d", k) << harmonics[k]
                                        << (k == 11 ? QStringLiteral("Couleur harmo11")
                                                    : QStringLiteral("Couleur harmo %1").arg(k))
                                        << 3 + k << true;
    QTest::newRow("input spectrum") << "Label30" << "Couleur spectre Entrée" << 16 << false;
    QTest::newRow("output spectrum") << "Label31" << "Couleur spectre Sortie" << 17 << false;
}

// Each colour label edits its own field and shows it; a cancelled picker
// changes nothing.
void SettingsTest::colours()
{
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(int, field);
    QFETCH(bool, resetsPoints);

    const std::array<Colour*, 18> fields = ColourFields(m_s.Display);
    auto* l = m_form->findChild<TClickableLabel*>(label);
    QVERIFY(l);
    QCOMPARE(l->text(), caption);
    QVERIFY(l->cursor().shape() == Qt::PointingHandCursor);
    const Colour before = *fields[field];
    QCOMPARE(l->textColour(), QColor(QRgb(before)));

    SharedState untouched = m_s;
    Click(l); // cancelled
    QCOMPARE(m_dialogs.ColourPickersOpenedAt.value(0), QColor(Qt::black));
    QCOMPARE(*fields[field], before);
    QCOMPARE(l->textColour(), QColor(QRgb(before)));
    QVERIFY(m_main->Log.isEmpty());

    m_dialogs.Colours.push(QColor(0x12, 0x34, 0x56));
    Click(l);
    QCOMPARE(*fields[field], Colour(0x123456));
    QCOMPARE(l->textColour(), QColor(0x12, 0x34, 0x56));
    QCOMPARE(m_main->Log, resetsPoints ? QStringList({"points"}) : QStringList());
    // The space bar on the label does what the click does.
    m_dialogs.Colours.push(QColor(0x65, 0x43, 0x21));
    QTest::keyClick(l, Qt::Key_Space);
    QCOMPARE(*fields[field], Colour(0x654321));
    QCOMPARE(l->textColour(), QColor(0x65, 0x43, 0x21));
    // No other colour moved.
    const std::array<Colour*, 18> old = ColourFields(untouched.Display);
    for (int i = 0; i < 18; ++i)
        if (i != field)
            QCOMPARE(*fields[i], *old[i]);
}

void SettingsTest::colourPickerKeepsItsColour()
{
    m_dialogs.Colours.push(QColor(Qt::red));
    Click(C.ColourLabel[1]); // signal
    Click(C.ColourLabel[3]); // output, cancelled
    m_dialogs.Colours.push(QColor(Qt::blue));
    Click(C.ColourLabel[0]); // axes
    QCOMPARE(m_dialogs.ColourPickersOpenedAt,
             QList<QColor>({QColor(Qt::black), QColor(Qt::red), QColor(Qt::red)}));
    QCOMPARE(m_s.Display.SignalColour, Colour(0xFF0000));
    QCOMPARE(m_s.Display.OutputColour, Colour(0xFF00FF));
    QCOMPARE(m_s.Display.Plot.AxisColour, Colour(0x0000FF));

    // The labels are not the state's own copy: reloading shows the state.
    m_s.Display.OutputColour = 0x00FF00;
    m_form->hide();
    m_form->show();
    QCOMPARE(C.ColourLabel[3]->textColour(), QColor(Qt::green));
}

void SettingsTest::copySize_data()
{
    QTest::addColumn<bool>("height");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("px");
    QTest::addColumn<QString>("shown");

    QTest::newRow("w 29.9") << false << false << "29.9" << 1131 << "29.9 cm";
    QTest::newRow("w default") << false << false << "15" << 567 << "15 cm";
    QTest::newRow("w 1.35") << false << false << "1.35" << 51 << "1.35 cm";
    QTest::newRow("w 1.3 ignored") << false << false << "1.3" << 567 << "15 cm";
    QTest::newRow("w 30 ignored") << false << false << "30" << 567 << "15 cm";
    QTest::newRow("w letters") << false << false << "abc" << 567 << "15 cm";
    QTest::newRow("w nan") << false << false << "nan" << 567 << "15 cm";
    QTest::newRow("w 1e999") << false << false << "1e999" << 567 << "15 cm";
    QTest::newRow("w -10") << false << false << "-10" << 567 << "15 cm";
    QTest::newRow("w cancel") << false << true << "" << 567 << "14,9";
    QTest::newRow("h 10") << true << false << "10" << 378 << "9.99 cm";
    QTest::newRow("h 29.99") << true << false << "29.99" << 1134 << "30 cm";
    QTest::newRow("h 30 ignored") << true << false << "30" << 416 << "11 cm";
    QTest::newRow("h cancel") << true << true << "" << 416 << "11";
}

void SettingsTest::copySize()
{
    QFETCH(bool, height);
    QFETCH(bool, cancel);
    QFETCH(QString, answer);
    QFETCH(int, px);
    QFETCH(QString, shown);

    TClickableLabel* label = height ? C.Label27 : C.Label25;
    QCOMPARE(label->toolTip(), QStringLiteral("Cliquer pour changer"));
    m_dialogs.Answers.push(cancel ? std::nullopt : std::optional<QString>(answer));
    Click(label);

    QCOMPARE(m_dialogs.Boxes.size(), 1);
    QCOMPARE(m_dialogs.Boxes[0].caption, height ? QStringLiteral("Entrer la hauteur") : QStringLiteral("Entrer la largeur"));
    QVERIFY(m_dialogs.Boxes[0].prompt.contains(QStringLiteral("cm < 30")));
    QCOMPARE(m_dialogs.Boxes[0].defaultText, height ? QStringLiteral("11") : QStringLiteral("15"));
    QCOMPARE(height ? m_s.Display.CopyHeightPx : m_s.Display.CopyWidthPx, px);
    QCOMPARE(height ? m_s.Display.CopyWidthPx : m_s.Display.CopyHeightPx, height ? 567 : 416);
    QCOMPARE(label->text(), shown);
    QCOMPARE(label->size(), QSize(58, 18));
    QVERIFY(label->width() >= label->sizeHint().width());
    QVERIFY(m_dialogs.Errors.isEmpty());
    QVERIFY(m_main->Log.isEmpty());
}

void SettingsTest::spectrumMode()
{
    QVERIFY(C.RadioButton[1]->Checked());
    Click(C.RadioButton[2]);
    QCOMPARE(m_s.Display.SpectrumMode, SpectrumMode::Amplitude);
    Click(C.RadioButton[3]);
    QCOMPARE(m_s.Display.SpectrumMode, SpectrumMode::Rms);
    Click(C.RadioButton[3]); // already lit: stays lit, nothing drawn
    QVERIFY(C.RadioButton[3]->Checked());
    Click(C.RadioButton[1]);
    QCOMPARE(m_s.Display.SpectrumMode, SpectrumMode::Percent);
    QVERIFY(!C.RadioButton[2]->Checked() && !C.RadioButton[3]->Checked());
    QCOMPARE(m_main->Log, QStringList({"spectra", "spectra", "spectra"}));
}

void SettingsTest::tabRunsAsTheDialogReads()
{
    // The dialog opens on the frequency field; Tab goes down the left
    // column, down the graphs group (the colour legend a column at a time),
    // then along the bottom; every clickable label on the way shows that it
    // has the focus.
    TForm2& f = *m_form;
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(QApplication::focusWidget(), C.VrNumEdit1);
    QList<QWidget*> expected;
    for (const char* name : {"VrNumEdit1", "VrStrEdit1", "VrStrEdit2", "VrNumEdit2", "VrNumEdit3", "RadioButton1",
                             "RadioButton2", "RadioButton3", "choixquad", "CheckBox1"})
        expected << f.findChild<QWidget*>(QString::fromLatin1(name));
    expected << C.RadioGroup1->Item(0) << C.RadioGroup1->Item(1);
    for (const char* name : {"Label6", "VrDemoButton2", "CheckBoxPapier", "Label3", "Label24", "Label17", "Label29",
                             "Label30", "Label31", "Label7", "Label8", "Label5", "Label9", "Label10", "Label11", "Label12",
                             "Label13", "Label23", "Label14", "Label15", "Label16", "OKbutt", "Label25", "Label27"})
        expected << f.findChild<QWidget*>(QString::fromLatin1(name));
    QVERIFY(!expected.contains(nullptr));
    QHash<QWidget*, QImage> unfocused;
    for (TClickableLabel* l : f.findChildren<TClickableLabel*>())
        unfocused.insert(l, l->grab().toImage());

    QList<QWidget*> reached{QApplication::focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        reached << w;
        if (unfocused.contains(w))
            QVERIFY2(w->grab().toImage() != unfocused.value(w), qPrintable(w->objectName()));
    }
    QCOMPARE(reached, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), C.VrNumEdit1); // round again
}

void SettingsTest::labelsAnswerTheKeyboard_data()
{
    // Enter, Return and the space bar on a clickable label open what a click
    // opens: its input box or the colour picker.
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("opens"); // an input box's caption, or "picker"
    QTest::addRow("graduation length, space") << "Label6" << int(Qt::Key_Space) << "Longueur des graduations";
    QTest::addRow("axis colour, Return") << "Label3" << int(Qt::Key_Return) << "picker";
    QTest::addRow("harmonic 12 colour, Enter") << "Label16" << int(Qt::Key_Enter) << "picker";
    QTest::addRow("copy width, Return") << "Label25" << int(Qt::Key_Return) << "Entrer la largeur";
    QTest::addRow("copy height, space") << "Label27" << int(Qt::Key_Space) << "Entrer la hauteur";
}

void SettingsTest::labelsAnswerTheKeyboard()
{
    QFETCH(QString, label);
    QFETCH(int, key);
    QFETCH(QString, opens);
    auto* l = m_form->findChild<TClickableLabel*>(label);
    QVERIFY(l);
    QCOMPARE(l->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(l, Qt::Key(key));
    if (opens == QLatin1String("picker")) {
        QCOMPARE(m_dialogs.ColourPickersOpenedAt.size(), 1);
        QVERIFY(m_dialogs.Boxes.isEmpty());
    } else {
        QCOMPARE(m_dialogs.Boxes.size(), 1);
        QCOMPARE(m_dialogs.Boxes[0].caption, opens);
        QVERIFY(m_dialogs.ColourPickersOpenedAt.isEmpty());
    }
    // A key held down opens it once; with Ctrl, not at all.
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(l, &repeat);
    QTest::keyClick(l, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(m_dialogs.Boxes.size() + m_dialogs.ColourPickersOpenedAt.size(), 1);
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
