// SPDX-License-Identifier: GPL-3.0-or-later
// Exports and the report from a program whose windows were never shown, as
// the command line makes them: the files, their formats, the failures, the
// paper palette of the copies, and the report's text read by pdftotext.

#include "tests/common/fakedialogs.h"

#include "app/exports.h"
#include "app/program.h"
#include "app/reportpage.h"
#include "app/simplefour.h"
#include "filter/responsewindow.h"
#include "plot/repres.h"
#include "plot/timegraph.h"
#include "plot/vectorcopy.h"
#include "settings/parsignalsimple.h"
#include "report/reportcore.h"
#include "spectrum/fenetspectres.h"
#include "widgets/tvrcheckled.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class ExportsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void csvHoldsTheStatesTable();
    void graphFiles_data();
    void graphFiles();
    void threeSvgFilesInAFolder();
    void failuresSayWhatAndKeepTheOldFile_data();
    void failuresSayWhatAndKeepTheOldFile();
    void fullDiskKeepsTheOldFile();
    void commandAsksTheResolution_data();
    void commandAsksTheResolution();
    void paperPaletteInCopies();
    void reportTextHoldsParametersAndMeasurements_data();
    void reportTextHoldsParametersAndMeasurements();
    void paperCheckBoxInTheSettings();

private:
    SharedState& S() { return m_program->State(); }
    QString File(const QString& name) const { return m_dir->filePath(name); }
    static QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray Svg(GraphWindow& window)
    {
        VectorCopy copy;
        const int w = S().Display.CopyWidthPx, h = S().Display.CopyHeightPx;
        if (!RenderVectorCopy([&](QPaintDevice& d, int dw, int dh) { window.PaintDocument(d, dw, dh); }, w, h, copy))
            return {};
        return copy.Svg;
    }

    FakeDialogs m_dialogs;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<QTemporaryDir> m_dir;
};

// A square wave through a second-order low-pass, the windows never shown.
void ExportsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = FakeDialogs();
    m_program = std::make_unique<Program>(m_dialogs);
    S().Signal.Preset = PresetKind::Square;
    S().Signal.DutyCycle = 0.5;
    m_program->fensynth().ApplyPreset();
    S().Filter.Kind = FilterKind::LowPass2;
    S().Filter.CutoffHz = 250;
    S().Filter.Damping = 0.5;
    S().Filter.StaticGain = 2;
    m_program->Cycle().Redraw();
    QVERIFY(S().Signal.Harmonics.AmplitudePercent[1] > 60);
}

void ExportsTest::cleanup()
{
    m_program.reset();
}

void ExportsTest::csvHoldsTheStatesTable()
{
    const QString path = File(QStringLiteral("table.csv"));
    QCOMPARE(ExportCsv(*m_program, path), QString());
    const QByteArray bytes = Read(path);
    QCOMPARE(bytes, QByteArray::fromStdString(ReportCsv(S())));
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.contains("Passe-bas ordre 2"));
    // The fundamental's gain of the low-pass at 100 Hz, read back.
    const QList<QByteArray> lines = bytes.split('\n');
    bool found = false;
    for (const QByteArray& line : lines)
        if (line.startsWith("1;100;")) {
            const QList<QByteArray> f = line.trimmed().split(';');
            QCOMPARE(f.value(6).replace(',', '.').toDouble(), S().Signal.Harmonics.FilterGain[1]);
            found = true;
        }
    QVERIFY(found);
}

void ExportsTest::graphFiles_data()
{
    QTest::addColumn<int>("graph");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QByteArray>("magic");
    QTest::addColumn<bool>("paper");
    const std::pair<GraphKind, const char*> graphs[] = {
        {GraphKind::Time, "temps"}, {GraphKind::Spectra, "spectres"}, {GraphKind::Response, "reponse"}};
    for (const auto& [graph, stem] : graphs)
        for (bool paper : {false, true}) {
            const QString tag = QStringLiteral("%1%2").arg(QLatin1String(stem), paper ? "-papier" : "");
            QTest::addRow("%s.svg", qPrintable(tag))
                << int(graph) << tag + ".svg" << 96 << QByteArray("<?xml") << paper;
            QTest::addRow("%s.pdf", qPrintable(tag)) << int(graph) << tag + ".PDF" << 96 << QByteArray("%PDF") << paper;
            QTest::addRow("%s.png", qPrintable(tag)) << int(graph) << tag + ".png" << 300 << QByteArray("\x89PNG")
                                                     << paper;
        }
}

// Every graph in every format, headless; a PNG has the pixels and the
// resolution chosen, a response always carries its measurement table.
void ExportsTest::graphFiles()
{
    QFETCH(int, graph);
    QFETCH(QString, name);
    QFETCH(int, dpi);
    QFETCH(QByteArray, magic);
    QFETCH(bool, paper);
    S().Display.PaperPalette = paper;
    const QString path = File(name);
    QCOMPARE(ExportGraph(*m_program, GraphKind(graph), path, dpi), QString());
    const QByteArray bytes = Read(path);
    QVERIFY(bytes.startsWith(magic));
    if (name.endsWith(QLatin1String(".png"))) {
        const QImage image = QImage::fromData(bytes, "PNG");
        QCOMPARE(image.size(), QSize(qCeil(567 * 300 / 96.0), qCeil(416 * 300 / 96.0)));
        QCOMPARE(image.dotsPerMeterX(), qRound(300 / 0.0254));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        int inked = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                inked += qGray(image.pixel(x, y)) < 160;
        QVERIFY2(inked > 1500, qPrintable(QString::number(inked))); // axes, curves or bars and texts: no blank page
        QDir().mkpath(QStringLiteral(PICTURE_DIR));
        image.save(QStringLiteral(PICTURE_DIR "/export-%1").arg(QTest::currentDataTag()));
    }
    if (name.endsWith(QLatin1String(".svg"))) {
        QCOMPARE(GraphKind(graph) == GraphKind::Response, bytes.contains("Valeur efficace"));
        QCOMPARE(paper, bytes.contains("f0 = 100 Hz"));
        // The spectra of a window never shown: both series with their legend.
        if (GraphKind(graph) == GraphKind::Spectra)
            QVERIFY(bytes.contains(">Entree<") && bytes.contains(">Sortiex1<"));
    }
}

void ExportsTest::threeSvgFilesInAFolder()
{
    const QString folder = File(QStringLiteral("figures/séance 1"));
    QCOMPARE(ExportGraphsSvg(*m_program, folder), QString());
    for (const char* name : {"graphe-temporel.svg", "spectres.svg", "reponse-filtre.svg"})
        QVERIFY2(Read(QDir(folder).filePath(QLatin1String(name))).startsWith("<?xml"), name);
    const QString file = File(QStringLiteral("un-fichier"));
    QCOMPARE(WriteFileAtomically(file, "x"), QString());
    QCOMPARE(ExportGraphsSvg(*m_program, file), QStringLiteral("« %1 » n'est pas un dossier.").arg(file));
}

void ExportsTest::failuresSayWhatAndKeepTheOldFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::addRow("missing folder") << "absent/x.svg" << "Impossible de créer le fichier";
    QTest::addRow("a folder") << "dossier.svg" << "Impossible de créer le fichier";
    QTest::addRow("unknown format") << "x.jpg" << "Format inconnu pour";
    QTest::addRow("no suffix") << "x" << "Format inconnu pour";
}

void ExportsTest::failuresSayWhatAndKeepTheOldFile()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    const QString full = File(path);
    QDir().mkpath(File(QStringLiteral("dossier.svg")));
    const QString error = ExportGraph(*m_program, GraphKind::Time, full);
    QVERIFY2(error.startsWith(message), qPrintable(error));
    QVERIFY(ExportCsv(*m_program, File("absent/t.csv")).startsWith(QStringLiteral("Impossible de créer le fichier")));
    QCOMPARE(ExportGraph(*m_program, GraphKind::Time, File("x.png"), 71), PngResolutionRefused());
    QCOMPARE(ExportGraph(*m_program, GraphKind::Time, File("x.png"), 1201), PngResolutionRefused());
    QVERIFY(!QFile::exists(File("x.png")));

    // A read-only folder, for a user the system holds to its rights.
    if (geteuid() == 0)
        return;
    const QString locked = File(QStringLiteral("protégé"));
    QVERIFY(QDir().mkpath(locked));
    QCOMPARE(WriteFileAtomically(locked + "/old.svg", "old"), QString());
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    QVERIFY(ExportGraph(*m_program, GraphKind::Time, locked + "/old.svg").startsWith("Impossible de créer"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(Read(locked + "/old.svg"), QByteArray("old"));
}

// A write that fails part-way (the file-size limit stands in for a full
// disk, and binds root too): the message, and the old file as it was.
void ExportsTest::fullDiskKeepsTheOldFile()
{
    const QString path = File(QStringLiteral("rapport.pdf"));
    QCOMPARE(WriteFileAtomically(path, "ancien rapport"), QString());
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString error = ExportReportPdf(*m_program, path);
    const QString pngError = ExportGraph(*m_program, GraphKind::Spectra, File("s.png"), 600);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    QCOMPARE(error, QStringLiteral("Impossible d'écrire le fichier « %1 » (disque plein ?). "
                                   "Un fichier existant de ce nom reste intact.")
                        .arg(path));
    QVERIFY(pngError.startsWith("Impossible d'écrire"));
    QCOMPARE(Read(path), QByteArray("ancien rapport"));
    QVERIFY(!QFile::exists(File("s.png")));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"rapport.pdf"}); // no temporary left
}

void ExportsTest::commandAsksTheResolution_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("error");
    QTest::addRow("150") << " 150 " << true << "";
    QTest::addRow("too low") << "50" << false << PngResolutionRefused();
    QTest::addRow("too high") << "5000" << false << PngResolutionRefused();
    QTest::addRow("not a number") << "300 dpi" << false << PngResolutionRefused();
    QTest::addRow("cancelled") << "" << false << "";
}

void ExportsTest::commandAsksTheResolution()
{
    QFETCH(QString, answer);
    QFETCH(bool, written);
    QFETCH(QString, error);
    const QString path = File(QStringLiteral("spectres.png"));
    m_dialogs.FileNames.push(path);
    m_dialogs.Answers.push(answer.isEmpty() ? std::nullopt : std::optional<QString>(answer));
    RunExportCommand(*m_program, ExportCommand::SpectraGraph, m_dialogs, nullptr);
    QCOMPARE(m_dialogs.Boxes.size(), 1);
    QCOMPARE(m_dialogs.Boxes[0].prompt, QStringLiteral("Résolution en points par pouce (72 à 1200)"));
    QCOMPARE(QFile::exists(path), written);
    QCOMPARE(m_dialogs.Errors, error.isEmpty() ? QStringList() : QStringList{error});
    if (written)
        QCOMPARE(QImageReader(path).size(), QSize(qCeil(567 * 150 / 96.0), qCeil(416 * 150 / 96.0)));

    // A CSV named without its suffix gets it; a cancelled picker writes nothing.
    m_dialogs.FileNames.push(File(QStringLiteral("tableau")));
    RunExportCommand(*m_program, ExportCommand::Csv, m_dialogs, nullptr);
    QVERIFY(QFile::exists(File(QStringLiteral("tableau.csv"))));
    RunExportCommand(*m_program, ExportCommand::ReportPdf, m_dialogs, nullptr);
    QCOMPARE(QDir(m_dir->path()).entryList({"*.pdf"}), QStringList());
}

// Off (the default) the copy is the window's vector copy, byte for byte;
// on, dark curves on white, the title line and the curves' names; the
// response's copy carries its measurement table.
void ExportsTest::paperPaletteInCopies()
{
    S().Signal.Harmonics.Shown[3] = true;
    S().Display.ShowIdealSignal = true;
    Tfengraphe& g = m_program->fengraphe();
    VectorCopy plain;
    QVERIFY(RenderVectorCopy([&](QPaintDevice& d, int w, int h) { DrawTimeGraphVector(d, S(), w, h); }, 567, 416,
                             plain));
    QCOMPARE(Svg(g), plain.Svg);
    QVERIFY(!Svg(m_program->fenreponse()).contains("Valeur efficace"));

    S().Display.PaperPalette = true;
    const QByteArray paper = Svg(g);
    for (const char* text : {"f0 = 100 Hz", "Passe-bas ordre 2", "fc = 250 Hz", "m = 0,5", "Signal idéal",
                             "Harmonique 3", "Entrée", "Sortie"})
        QVERIFY2(paper.contains(text), text);
    QVERIFY(!paper.contains("#ffff00")); // the screen's yellow input
    QVERIFY(paper.contains("#0a2a8c"));
    const QByteArray response = Svg(m_program->fenreponse());
    for (const MeasureReportRow& r : MeasureReport(S()))
        QVERIFY2(response.contains(QByteArray::fromStdString(r.Caption)) &&
                     response.contains(QByteArray::fromStdString(r.OutText)),
                 r.Caption.c_str());

    // "Copier" of the response window puts that picture on the clipboard.
    Tfenreponse& r = m_program->fenreponse();
    r.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r));
    auto* copyButton = r.findChild<QWidget*>(QStringLiteral("XiButton1"));
    QVERIFY(copyButton);
    QTest::mouseClick(copyButton, Qt::LeftButton, {}, copyButton->rect().center());
    const QByteArray pasted = QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml"));
    QVERIFY(pasted.contains("Facteur de cr") && pasted.contains("f0 = 100 Hz"));

    // Too small for the texts: the graph alone, no text cut.
    S().Display.CopyWidthPx = 120;
    S().Display.CopyHeightPx = 80;
    const QByteArray tiny = Svg(g);
    QVERIFY(!tiny.isEmpty());
    QVERIFY(!tiny.contains("Harmonique 3"));
}

void ExportsTest::reportTextHoldsParametersAndMeasurements_data()
{
    QTest::addColumn<bool>("printer");
    QTest::addRow("PDF file") << false;
    QTest::addRow("printer") << true;
}

// The report as a reader gets it, from the PDF file or from the printer's
// pages: pdftotext finds the date, the parameters and the measurements;
// pdftoppm renders the pages for a look.
void ExportsTest::reportTextHoldsParametersAndMeasurements()
{
    QFETCH(bool, printer);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    S().Signal.Harmonics.Shown[2] = true;
    const QString path = File(QStringLiteral("rapport.pdf"));
    if (printer) {
        QPrinter p(QPrinter::HighResolution);
        SetUpReportPrinter(p);
        QCOMPARE(p.resolution(), 96);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(path);
        QVERIFY(PaintReport(p, *m_program, QDate(2026, 12, 10)));
    } else {
        QCOMPARE(WriteFileAtomically(path, ReportPdfBytes(*m_program, QDate(2026, 12, 10))), QString());
    }
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), 0);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(text.count(QLatin1Char('\f')), 2); // two pages
    for (const QString& s : {QStringLiteral("Le 10 décembre 2026"), QStringLiteral("Paramètres")})
        QVERIFY2(text.contains(s), qPrintable(s));
    for (const auto& [caption, value] : ReportParameters(S())) {
        QVERIFY2(text.contains(QString::fromStdString(caption)), caption.c_str());
        QVERIFY2(text.contains(QString::fromStdString(value)), value.c_str());
    }
    for (const char* s : {"Passe-bas ordre 2", "250 Hz", "Carré", "50 %", "Tableau des harmoniques", "Mesures"})
        QVERIFY2(text.contains(QString::fromUtf8(s)), s);
    for (const MeasureReportRow& r : MeasureReport(S())) {
        QVERIFY2(text.contains(QString::fromStdString(r.Caption)), r.Caption.c_str());
        const std::string unit = r.Unit.empty() ? "" : " " + r.Unit;
        for (const std::string& s : {ReportNumber(r.In) + unit, ReportNumber(r.Out) + unit})
            QVERIFY2(text.contains(QString::fromStdString(s)), s.c_str());
    }
    // The graphs' own texts are there as text, not pixels.
    for (const char* s : {"t (s)", "Gain (dB)", "Harmonique", "Entrée", "Sortie"})
        QVERIFY2(text.contains(QString::fromUtf8(s)), s);
    // So are their graduations, wherever the page scales and places them
    // (the time axis' labels of the lower half once went missing).
    for (const char* s : {"1E-3", "5E-3", "9E-3", "*100Hz"})
        QVERIFY2(text.contains(QString::fromUtf8(s)), s);

    if (!QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        QDir().mkpath(QStringLiteral(PICTURE_DIR));
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("80"),
                                                       QStringLiteral("-png"), path,
                                                       QStringLiteral(PICTURE_DIR "/rapport") +
                                                           (printer ? "-imprime" : "")});
    }
}

// The settings' check box, off at start, sets the palette; it stands in
// the graphs group clear of the controls around it.
void ExportsTest::paperCheckBoxInTheSettings()
{
    QWidget& form = m_program->Form2();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* box = form.findChild<TVrCheckLed*>(QStringLiteral("CheckBoxPapier"));
    QVERIFY(box);
    QVERIFY(!box->Checked());
    QVERIFY(!S().Display.PaperPalette);
    QCOMPARE(box->accessibleName(), QStringLiteral("Palette papier pour copies et rapports"));
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QVERIFY(S().Display.PaperPalette);
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QVERIFY(!S().Display.PaperPalette);
    const QRect mine = box->geometry();
    QVERIFY(box->parentWidget()->rect().contains(mine));
    for (QWidget* other : box->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != box && other->isVisible())
            QVERIFY2(!other->geometry().intersects(mine), qPrintable(other->objectName()));
    QVERIFY(QFontMetrics(box->font()).horizontalAdvance(box->Caption()) + 20 <= mine.width());
    QDir().mkpath(QStringLiteral(PICTURE_DIR));
    form.grab().save(QStringLiteral(PICTURE_DIR "/parametres-papier.png"));
}

QTEST_MAIN(ExportsTest)
#include "tst_exports.moc"
