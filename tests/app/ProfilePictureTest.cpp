// A profile's pictures and report as files: the PNG has the page's size with the SNPs drawn, the
// SVG is well-formed XML, the PDF a PDF, and the report holds page 1, the record and the pages of
// the chromosomes with SNPs, two a page.
#include "view/profile/ProfilePicture.h"
#include "canvas/ProfilePictureWriter.h"
#include "canvas/ProfileReportWriter.h"
#include "document/profile/Profile.h"
#include "export/ProfileReport.h"
#include "support/TempDir.h"

#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

using namespace varn;

namespace {

// 300 SNPs on each of chromosomes 1, 2 and X, a gain on chromosome 2.
struct ThreeChromosomes {
    Profile profile;
    ProfilePicture picture;
    ThreeChromosomes() {
        for (int c : {1, 2, 23}) {
            for (int k = 0; k < 300; ++k) {
                const bool gain = c == 2;
                profile.chromosome.push_back(static_cast<std::uint8_t>(c));
                profile.position.push_back(100'000 + k * 400'000);
                profile.logRatio.push_back((gain ? 0.4f : 0.0f) + 0.1f * static_cast<float>(k % 5 - 2));
                profile.baf.push_back(k % 3 == 0 ? (gain ? 0.33f : 0.5f) : static_cast<float>(k % 2));
                picture.informative.push_back(k % 3 == 0 ? 1 : 0);
                picture.totalCopies.push_back(gain ? 3 : 2);
                picture.minorCopies.push_back(1);
            }
            PictureSegment s;
            s.chromosome = c;
            s.start = 100'000;
            s.end = 100'000 + 299 * 400'000;
            s.markers = 300;
            s.meanLogRatio = c == 2 ? 0.4 : 0.0;
            s.totalCopies = c == 2 ? 3 : 2;
            s.minorCopies = 1;
            s.expectedBand = c == 2 ? 1.0 / 3 : 0.5;
            picture.segments.push_back(s);
        }
        profile.name.resize(profile.chromosome.size());
        profile.array.assign(profile.chromosome.size(), 0);
        picture.profile = &profile;
        picture.levelOfTotal = {-2.0f, -1.0f, 0.0f, 0.58f};
        picture.sample = "Three";
        picture.solution = "solution 1: tumour cells=100%, ploidy 2.30";
    }
};

QByteArray readAll(const std::filesystem::path& path) {
    const std::string bytes = test::readFileBytes(path);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

class ProfilePictureTest : public QObject {
    Q_OBJECT
  private slots:
    void picturesOfEachKind() {
        ThreeChromosomes three;
        test::TempDir dir;
        QVERIFY(writeProfileGenomePicture(three.picture, dir / "genome.png", {PictureKind::Png, kScreenDpi}));
        const QImage png(QString::fromStdString((dir / "genome.png").string()));
        QCOMPARE(png.size(), QSize(kGenomePictureSize.width, kGenomePictureSize.height));
        int red = 0;
        for (int y = 0; y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x) red += png.pixelColor(x, y) == QColor(255, 0, 0) ? 1 : 0;
        QVERIFY(red > 100);

        QVERIFY(
            writeProfileChromosomePicture(three.picture, 2, dir / "ch2.svg", {PictureKind::Svg, kScreenDpi}));
        QXmlStreamReader xml(readAll(dir / "ch2.svg"));
        while (!xml.atEnd()) xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

        QVERIFY(writeProfileChromosomePicture(three.picture, 23, dir / "chX.pdf",
                                              {PictureKind::Pdf, kScreenDpi}));
        QVERIFY(readAll(dir / "chX.pdf").startsWith("%PDF"));
        QVERIFY(!writeProfileChromosomePicture(three.picture, 24, dir / "ch24.png",
                                               {PictureKind::Png, kScreenDpi}));
    }

    void reportHasAPageForEachChromosome() {
        ThreeChromosomes three;
        test::TempDir dir;
        ProfileReport report;
        report.platform = "Illumina";
        report.solutionLine = "Tumour cells 100 % (95\u2013100 %), ploidy 2.30 (2.20\u20132.40)";
        report.record = {"VARN 1.0, 2026-01-01", "three.txt"};
        QVERIFY(writeProfileReport(three.picture, report, dir / "three.pdf"));
        const QByteArray pdf = readAll(dir / "three.pdf");
        QVERIFY(pdf.startsWith("%PDF"));
        // Page 1; the record and the table, with chromosome 1 under them; chromosome 2 with its
        // row of the table and X: two chromosomes share a page.
        const qsizetype pages = QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]"));
        QCOMPARE(pages, qsizetype(3));
    }
};

QTEST_MAIN(ProfilePictureTest)
#include "ProfilePictureTest.moc"
