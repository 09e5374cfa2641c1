// Export Picture and the picture files: what the window saves is what --plot draws, an SVG is
// well-formed XML, a PDF is a PDF, a 300 dpi PNG is the page at that resolution, and a target that
// cannot be written leaves no file.
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

#include <QFile>
#include <QImage>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
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

} // namespace

class PictureExportTest : public QObject {
    Q_OBJECT
  private slots:
    void exportPictureGivesThePlotsPng();
    void vectorPicturesAreWellFormed();
    void png300DpiIsThePageAtThatResolution();
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
    const QSize page = drawingSize(g.view);
    const QImage image = QImage::fromData(pictureBytes(g.view, {PictureKind::Png, 300}), "PNG");
    QCOMPARE(image.width(), static_cast<int>(std::ceil(page.width() * 300.0 / 96)));
    QCOMPARE(image.height(), static_cast<int>(std::ceil(page.height() * 300.0 / 96)));
    QCOMPARE(std::lround(image.dotsPerMeterX() * 0.0254), 300L);
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
