// Export Picture and the picture files: what the window saves is what --plot draws, an SVG is
// well-formed XML, a PDF is a PDF, a 300 dpi PNG is the page at that resolution, the chooser's type
// decides a name without extension, the thin LOH line survives in vector pictures, the chooser
// offers a name and the last folder, and a target that cannot be written leaves no file.
#include "AppFixture.h"
#include "CMainFrame.h"
#include "canvas/PictureWriter.h"
#include "canvas/RenderToImage.h"
#include "cli/CliPlot.h"
#include "document/FileBytes.h"
#include "support/TestDocument.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"
#include "view/DisplayMode.h"
#include "view/ShownWindow.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <cstring>
#include <fstream>

using namespace varn;

namespace {

QByteArray fileBytes(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The window over the synthetic genome, showing the single-array genome at MonitorView.
struct GenomeShown {
    test::AppFixture f;
    CVARNView& view = f.app->view();
    GenomeShown() {
        test::fillSyntheticAnnotation(view.GetDocument());
        view.shownArrayType = kXba;
        view.displayMode = ModeGenomeSingle;
        view.OnMonitorView();
    }
    // Export Picture through the window's command, the chooser answered with the file (the type
    // is the one its extension names).
    void exportPicture(const std::filesystem::path& file) {
        f.ui.answerFile(file);
        QVERIFY(f.app->mainFrame().sendCommand(ID_EXPORT_PICTURE));
    }
};

// The share of the columns of chromosome 1's panel with a blue pixel on its LOH line (the LOH
// score bars of a score below 10, which draw no more than the pixel they start at).
double lohLineCover(const QImage& image, const CVARNView& view) {
    const WindowMapping m = shownWindow(view);
    const int y = static_cast<int>(std::lround(m.deviceY(1500)));
    const int left = static_cast<int>(std::lround(m.deviceX(100)));
    const int right = static_cast<int>(
        std::lround(m.deviceX(100 + view.chromosomeStart[kXba][2] - view.chromosomeStart[kXba][1])));
    int blue = 0;
    for (int x = left; x < right; ++x) {
        bool found = false;
        for (int dy = -1; dy <= 1 && !found; ++dy) {
            const QColor c = image.pixelColor(x, y + dy);
            found = c.blue() > 128 && c.red() < 128 && c.green() < 128;
        }
        blue += found ? 1 : 0;
    }
    return right > left ? static_cast<double>(blue) / (right - left) : 0.0;
}

} // namespace

class PictureExportTest : public QObject {
    Q_OBJECT
  private slots:
    void exportPictureGivesThePlotsPng();
    void vectorPicturesAreWellFormed();
    void png300DpiIsThePageAtThatResolution();
    void chosenTypeDecidesANameWithoutExtension();
    void lohLineSurvivesInVectorPictures();
    void offersTheSampleAndDisplayInTheLastFolder();
    void unwritableTargetLeavesNoFile();
};

void PictureExportTest::exportPictureGivesThePlotsPng() {
    GenomeShown g;
    QVERIFY(g.f.app->mainFrame().commandAction(ID_EXPORT_PICTURE)->isEnabled() ||
            g.view.isCommandEnabled(ID_EXPORT_PICTURE));
    const auto exported = g.f.folder / "export.png";
    g.exportPicture(exported);
    const auto plotted = g.f.folder / "plot.png";
    std::string error;
    QVERIFY2(cli::plotDisplay(g.view, plotted, PictureOptions{}, error), error.c_str());
    const QImage a(QString::fromStdString(exported.string())), b(QString::fromStdString(plotted.string()));
    QVERIFY(!a.isNull());
    QCOMPARE(a.size(), b.size());
    QVERIFY(a == b);
}

void PictureExportTest::vectorPicturesAreWellFormed() {
    GenomeShown g;
    g.exportPicture(g.f.folder / "genome.svg");
    QXmlStreamReader xml(fileBytes(g.f.folder / "genome.svg"));
    QString root;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && root.isEmpty()) root = xml.name().toString();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(root, QString("svg"));

    g.exportPicture(g.f.folder / "genome.pdf");
    QVERIFY(fileBytes(g.f.folder / "genome.pdf").startsWith("%PDF"));
}

void PictureExportTest::png300DpiIsThePageAtThatResolution() {
    GenomeShown g;
    // The page is sized with its strips as the picture measures them.
    measureLabelsFor(g.view);
    const QSize page = drawingSize(g.view);
    const QImage image = QImage::fromData(pictureBytes(g.view, {PictureKind::Png, 300}), "PNG");
    QCOMPARE(image.width(), static_cast<int>(std::ceil(page.width() * 300.0 / 96)));
    QCOMPARE(image.height(), static_cast<int>(std::ceil(page.height() * 300.0 / 96)));
    QCOMPARE(std::lround(image.dotsPerMeterX() * 0.0254), 300L);
    // The magnified page ends inside its last row and column; they stay white.
    for (int x = 0; x < image.width(); ++x)
        QCOMPARE(image.pixelColor(x, image.height() - 1), QColor(Qt::white));
    for (int y = 0; y < image.height(); ++y)
        QCOMPARE(image.pixelColor(image.width() - 1, y), QColor(Qt::white));
}

// "SVG drawing (*.svg)" with the name "picture" writes picture.svg as an SVG; so for each type.
void PictureExportTest::chosenTypeDecidesANameWithoutExtension() {
    GenomeShown g;
    const struct {
        int type;
        const char* name;
        const char* magic;
    } types[] = {{0, "screen.png", "\x89PNG"},
                 {1, "print.png", "\x89PNG"},
                 {3, "drawing.svg", "<?xml"},
                 {4, "page.pdf", "%PDF"}};
    for (const auto& t : types) {
        const std::filesystem::path typed = g.f.folder / std::filesystem::path(t.name).stem();
        g.f.ui.answerFileOfType(typed, t.type);
        QVERIFY(g.f.app->mainFrame().sendCommand(ID_EXPORT_PICTURE));
        QVERIFY2(fileBytes(g.f.folder / t.name).startsWith(t.magic), t.name);
        QVERIFY(!std::filesystem::exists(typed));
    }
    const QImage print(QString::fromStdString((g.f.folder / "print.png").string()));
    QCOMPARE(std::lround(print.dotsPerMeterX() * 0.0254), 300L);
}

// The window draws an LOH score near 0 as one pixel under every SNP: a line under each panel.
// Rasterised again, the SVG (by Qt's renderer) and the PDF (by poppler) show it as the PNG does.
void PictureExportTest::lohLineSurvivesInVectorPictures() {
    GenomeShown g;
    g.exportPicture(g.f.folder / "genome.png");
    QVERIFY(lohLineCover(QImage(QString::fromStdString((g.f.folder / "genome.png").string())), g.view) > 0.9);

    g.exportPicture(g.f.folder / "genome.svg");
    QSvgRenderer svg(QString::fromStdString((g.f.folder / "genome.svg").string()));
    QVERIFY(svg.isValid());
    QImage fromSvg(drawingSize(g.view), QImage::Format_RGB32);
    fromSvg.fill(Qt::white);
    QPainter painter(&fromSvg);
    svg.render(&painter);
    painter.end();
    QVERIFY(lohLineCover(fromSvg, g.view) > 0.9);

    g.exportPicture(g.f.folder / "genome.pdf");
    const QString prefix = QString::fromStdString((g.f.folder / "fromPdf").string());
    QCOMPARE(
        QProcess::execute("pdftoppm", {"-r", "96", "-png", "-singlefile",
                                       QString::fromStdString((g.f.folder / "genome.pdf").string()), prefix}),
        0);
    QVERIFY(lohLineCover(QImage(prefix + ".png"), g.view) > 0.9);
}

// The chooser opens on "<sample>-<display>" and, once a picture was written, in its folder.
void PictureExportTest::offersTheSampleAndDisplayInTheLastFolder() {
    GenomeShown g;
    std::strcpy(g.view.GetDocument().poolSampleName[kXba][0], "Tumor4X");
    g.view.displayMode = ModeChromosomeSingle;
    g.view.currentChromosome = 4;
    g.view.OnMonitorView();
    const auto elsewhere = g.f.folder / "figures";
    std::filesystem::create_directories(elsewhere);
    g.exportPicture(elsewhere / "ch4.png");
    QCOMPARE(QString::fromStdString(g.f.ui.fileDialogs.back().initialFileName), QString("Tumor4X-ch4"));
    QCOMPARE(g.f.ui.fileDialogs.back().initialDirectory, g.f.root());
    g.view.OnAllGenome();
    g.exportPicture(elsewhere / "genome.png");
    QCOMPARE(QString::fromStdString(g.f.ui.fileDialogs.back().initialFileName), QString("Tumor4X-genome"));
    QCOMPARE(g.f.ui.fileDialogs.back().initialDirectory, elsewhere);
}

// The folder of the target is a file: the safe writer cannot create anything there.
void PictureExportTest::unwritableTargetLeavesNoFile() {
    GenomeShown g;
    const auto blocker = g.f.folder / "not-a-folder";
    std::ofstream(blocker) << "x";
    const auto target = blocker / "genome.png";
    g.exportPicture(target);
    QCOMPARE(QString::fromStdString(g.f.ui.messages.back()), QString("Picture file cannot be written"));
    QVERIFY(!std::filesystem::exists(target));
}

QTEST_MAIN(PictureExportTest)
#include "PictureExportTest.moc"
