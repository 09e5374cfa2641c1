// Roads through the real window that end without a new result: a Cancel in any dialog of File New,
// Sort, Range Set, the averaging and the HMM parameters, a file refused or gone half-way through the
// reading, an HMM dialog closed with OK and no spin moved. Each must leave the analysis shown as it
// was: it is stored (temporary file and view file) before and after and the files compared byte for
// byte, and so are the genome page as painted, the title and the tumour fraction.
//
// The analysis is Tumor4 (half of its cells normal) reloaded with its sample attributes, its
// fraction estimated in the HMM dialog: the means, fraction and attributes that a reset would lose.
// The paired roads then take Tumor1 against its own normal, reloaded with SelfLoad.
#include "ModalDriver.h"
#include "RoadWindow.h"
#include "demo/DemoInstallation.h"
#include "document/CVARNDoc.h"
#include "support/TempDir.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"
#include "view/DisplayMode.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>

using namespace varn;
using namespace varn::test;
namespace fs = std::filesystem;

namespace {

// What the person has made and sees, as far as files and pixels can tell.
struct Kept {
    std::string temp, view;
    QImage page;
    QString title;
    float purity = 0;
};

using Road = std::function<void(RoadWindow&, ModalDriver&, const fs::path& root)>;

} // namespace

Q_DECLARE_METATYPE(Road)

class KeptAnalysisTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void roads_data();
    void roads();
    void pairedRoads_data();
    void pairedRoads();

  private:
    fs::path root() const { return folder_ / "VARN"; }
    bool runCli(const QStringList& args);
    // Stores the analysis shown (and, for a pool analysis, its view file) and takes the page.
    Kept keep(const fs::path& stored, bool viewFile);

    TempDir folder_;
    std::unique_ptr<RoadWindow> window_;
    Kept before_, pairedBefore_;
};

bool KeptAnalysisTest::runCli(const QStringList& args) {
    QProcess cli;
    cli.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    cli.start(VARN_CLI_PATH, QStringList{"--root", qs(root())} + args);
    return cli.waitForFinished(600000) && cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0;
}

Kept KeptAnalysisTest::keep(const fs::path& stored, bool viewFile) {
    RoadWindow& w = *window_;
    w.trigger(ID_STORE);
    if (viewFile) w.app.mainFrame().sendCommand(ID_SAVE_VIEW_FILE);
    QApplication::processEvents();
    Kept k;
    k.temp = readFileBytes(stored);
    if (viewFile) k.view = readFileBytes(folder_ / "VARN View/Tumor4X.cng");
    k.page = w.genome()->grab().toImage();
    // The square where the two scroll bars meet belongs to the style, not to the page: it is
    // painted or left as the style's timers last had it.
    QPainter blank(&k.page);
    blank.fillRect(k.page.width() - 20, k.page.height() - 20, 20, 20, Qt::white);
    k.title = w.app.mainFrame().windowTitle();
    k.purity = w.doc().hmmMeansPurity;
    return k;
}

void KeptAnalysisTest::initTestCase() {
    const QString settings = qs(folder_ / "settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    demo::DemoOptions options;
    options.referenceCount = 4;
    options.reportSnps = 1000; // the final reports are not read here
    std::string report;
    std::ostringstream err;
    QVERIFY2(demo::writeDemoInstallation(root(), options, report, err), err.str().c_str());
    fs::create_directories(folder_ / "VARN View");
    for (const char* sample : {"Tumor4X", "Tumor1X"})
        QVERIFY(runCli({"analyze", "--pool", qs(root() / "XbaPool.ref"), "--signal",
                        qs(root() / "tumorsampleX" / (std::string(sample) + ".txt")), "--calls",
                        qs(root() / "SNPtumorsampleX" / (std::string(sample) + ".txt")), "--region",
                        "chr1:1-100000000", "--store"}));
    QVERIFY(runCli({"paired", "--array", "xba", "--tumor-signal", qs(root() / "tumorsampleX/Tumor1X.txt"),
                    "--tumor-calls", qs(root() / "SNPtumorsampleX/Tumor1X.txt"), "--normal-signal",
                    qs(root() / "sampledataX/Tumor1NX.txt"), "--normal-calls",
                    qs(root() / "sampledataX/Tumor1NX_snp.txt"), "--region", "chr1:1-100000000", "--store"}));
    // Tumor4's attributes, as the tool that records them appends them to its stored analysis.
    const fs::path tumor4 = root() / "temporary files/Tumor4X.temp";
    writeFileBytes(tumor4, readFileBytes(tumor4) + "AttributesInformation\n2\nBreast\n\nBiobank\n2.1\n1\n\n0\n"
                                                     "lobular\n$$EOF1$$\n0\n1\nrecut block\n$$EOF2$$\n");

    window_ = std::make_unique<RoadWindow>(root());
    RoadWindow& w = *window_;
    QVERIFY(w.start());
    ModalDriver driver;
    driver.expectFile("Open", root() / "XbaPool.ref");
    driver.expectMessage("Correct Xba reference data loaded!");
    QVERIFY(w.trigger(ID_FILE_OPEN));
    driver.expectFile("Open", root() / "HindPool.ref");
    driver.expectMessage("Correct Hind reference data loaded!");
    QVERIFY(w.trigger(ID_FILE_OPEN));
    driver.expectFile("Select temporary file", tumor4);
    driver.expect("averaging", [&driver](QWidget* modal) { driver.click(modal, "1"); });
    QVERIFY(w.trigger(ID_NON_SELF_LOAD));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(w.app.mainFrame().statusBar()->currentMessage(), QString("Loaded temporary files/Tumor4X.temp"));
    QCOMPARE(QString::fromStdString(w.doc().diseaseOrigin), QString("Breast"));
    driver.expect("HMM parameters", [&driver](QWidget* modal) {
        driver.click(modal, "estimate");
        driver.click(modal, "1");
    });
    QVERIFY(w.trigger(ID_HMM_PARAMETER));
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QVERIFY(w.doc().hmmMeansPurity > 0.44f && w.doc().hmmMeansPurity < 0.56f);
    QCOMPARE(w.view().displayMode, int(ModeGenomeSingle));
    before_ = keep(root() / "temporary files/Tumor4X.temp", true);
    QVERIFY(before_.temp.size() > 600000);
    QVERIFY(before_.view.find("\tBreast\n") != std::string::npos);
}

void KeptAnalysisTest::cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}

void KeptAnalysisTest::roads_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<Road>("road");
    const auto fileNew = [](std::function<void(ModalDriver&, QWidget*)> answer) {
        return [answer](ModalDriver& d, QWidget* modal) {
            if (!isFace(modal, "BasicModeFace")) return d.fail(modal, "expected the analysis dialog");
            answer(d, modal);
        };
    };
    const auto choose = [](const char* mode, const char* arrays) {
        return [mode, arrays](ModalDriver& d, QWidget* modal) {
            d.click(modal, mode);
            d.click(modal, arrays);
            d.click(modal, "1");
        };
    };
    const auto cancel = [](ModalDriver& d, QWidget* modal) { d.click(modal, "2"); };
    // A file that is there when it is chosen and gone when the reading reaches it.
    const auto gone = [](const fs::path& root) {
        writeFileBytes(root / "gone.txt", "chosen, then removed\n");
        return root / "gone.txt";
    };

    QTest::newRow("File New, Cancel in the analysis dialog")
        << int(ID_FILE_NEW) << Road([=](RoadWindow&, ModalDriver& d, const fs::path&) {
               d.expect("analysis type", [=, &d](QWidget* m) { fileNew(cancel)(d, m); });
           });
    QTest::newRow("File New, Hind, Cancel in the sample dialog; the next File New opens with Hind")
        << int(ID_FILE_NEW) << Road([=](RoadWindow& w, ModalDriver& d, const fs::path&) {
               d.expect("analysis type", [=, &d](QWidget* m) { fileNew(choose("1002", "1004"))(d, m); });
               d.expect("sample files", [&d, cancel](QWidget* m) { cancel(d, m); });
               QVERIFY(w.trigger(ID_FILE_NEW));
               d.expect("analysis type again", [&d](QWidget* m) {
                   if (!checked(m, "1002") || !checked(m, "1004")) d.failures << "the choice of Hind was not kept";
                   d.click(m, "2");
               });
           });
    QTest::newRow("File New, paired, Cancel in the paired sample dialog")
        << int(ID_FILE_NEW) << Road([=](RoadWindow&, ModalDriver& d, const fs::path&) {
               d.expect("analysis type", [=, &d](QWidget* m) { fileNew(choose("1001", "1003"))(d, m); });
               d.expect("paired sample files", [&d, cancel](QWidget* m) { cancel(d, m); });
           });
    QTest::newRow("File New, the Hind signal file for the Xba pool is refused")
        << int(ID_FILE_NEW) << Road([=](RoadWindow&, ModalDriver& d, const fs::path& root) {
               d.expect("analysis type", [=, &d](QWidget* m) { fileNew(choose("1002", "1003"))(d, m); });
               d.expect("sample files", [&d](QWidget* m) {
                   for (const char* name : {"1001", "1003", "1004", "1"}) d.click(m, name);
               });
               d.expectFile("Select Xba tumor sample signal data file", root / "tumorsampleH/Tumor1H.txt");
               d.expectFile("Select Xba tumor sample SNP data file", root / "SNPtumorsampleX/Tumor1X.txt");
               d.expectMessage("Tumor1H.txt holds 57244 SNP lines; an Xba 50K signal file holds 58960");
           });
    QTest::newRow("File New, the demo's table of planted segments as a Hind signal file is refused")
        << int(ID_FILE_NEW) << Road([=](RoadWindow&, ModalDriver& d, const fs::path& root) {
               const fs::path truth = root / "truth/Tumor1.txt";
               const std::string text = readFileBytes(truth);
               const auto rows = std::count(text.begin(), text.end(), '\n') - 2;
               d.expect("analysis type", [=, &d](QWidget* m) { fileNew(choose("1002", "1004"))(d, m); });
               d.expect("sample files", [&d](QWidget* m) {
                   for (const char* name : {"1001", "1003", "1004", "1"}) d.click(m, name);
               });
               d.expectFile("Select Hind tumor sample signal data file", truth);
               d.expectFile("Select Hind tumor sample SNP data file", root / "SNPtumorsampleH/Tumor1H.txt");
               d.expectMessage(
                   QString("Tumor1.txt holds %1 lines after its header, none with a SNP's 40 probe "
                           "intensities; a Hind 50K signal file was expected")
                       .arg(rows));
           });
    QTest::newRow("File New, the call file is gone once the signal file is read")
        << int(ID_FILE_NEW) << Road([=](RoadWindow&, ModalDriver& d, const fs::path& root) {
               const fs::path calls = gone(root);
               d.expect("analysis type", [=, &d](QWidget* m) { fileNew(choose("1002", "1003"))(d, m); });
               d.expect("sample files", [&d, calls](QWidget* m) {
                   for (const char* name : {"1001", "1003", "1004"}) d.click(m, name);
                   fs::remove(calls);
                   d.click(m, "1");
               });
               d.expectFile("Select Xba tumor sample signal data file", root / "tumorsampleX/Tumor1X.txt");
               d.expectFile("Select Xba tumor sample SNP data file", calls);
               d.expectMessage("normal SNP call file cannot be loaded");
               d.expectMessage("gone.txt cannot be opened");
           });
    QTest::newRow("File New, paired, the normal's signal file is gone once the tumour's is read")
        << int(ID_FILE_NEW) << Road([=](RoadWindow&, ModalDriver& d, const fs::path& root) {
               const fs::path normal = gone(root);
               d.expect("analysis type", [=, &d](QWidget* m) { fileNew(choose("1001", "1003"))(d, m); });
               d.expect("paired sample files", [&d, normal](QWidget* m) {
                   for (const char* name : {"1001", "1003", "1007", "1004", "1009"}) d.click(m, name);
                   fs::remove(normal);
                   d.click(m, "1");
               });
               d.expectFile("Select Xba tumor sample signal data file", root / "tumorsampleX/Tumor1X.txt");
               d.expectFile("Select Xba normal sample signal data file", normal);
               d.expectFile("Select Xba tumor sample SNP data file", root / "SNPtumorsampleX/Tumor1X.txt");
               d.expectFile("Select Xba normal sample SNP data file", root / "sampledataX/Tumor1NX_snp.txt");
               d.expectMessage("sample file cannot be loaded");
               d.expectMessage("gone.txt cannot be opened");
           });
    QTest::newRow("File New, edited sample, Cancel in the file chooser")
        << int(ID_FILE_NEW) << Road([=](RoadWindow&, ModalDriver& d, const fs::path&) {
               d.expect("analysis type", [=, &d](QWidget* m) { fileNew(choose("1002", "1003"))(d, m); });
               d.expect("sample files", [&d](QWidget* m) {
                   d.click(m, "1002");
                   d.click(m, "1");
               });
               d.expectFile("Select temporary file", {});
           });
    QTest::newRow("File New, edited sample read, Cancel in the averaging dialog")
        << int(ID_FILE_NEW) << Road([=](RoadWindow&, ModalDriver& d, const fs::path& root) {
               d.expect("analysis type", [=, &d](QWidget* m) { fileNew(choose("1002", "1003"))(d, m); });
               d.expect("sample files", [&d](QWidget* m) {
                   d.click(m, "1002");
                   d.click(m, "1");
               });
               d.expectFile("Select temporary file", root / "temporary files/Tumor1X.temp");
               d.expect("averaging", [&d, cancel](QWidget* m) { cancel(d, m); });
           });
    QTest::newRow("File New, both arrays, the Xba file read, Cancel at the Hind file")
        << int(ID_FILE_NEW) << Road([=](RoadWindow&, ModalDriver& d, const fs::path& root) {
               d.expect("analysis type", [=, &d](QWidget* m) { fileNew(choose("1002", "1005"))(d, m); });
               d.expectMessage("Select Xba temp file");
               d.expectFile("Select temporary file", root / "temporary files/Tumor1X.temp");
               d.expectMessage("Select Hind temp file");
               d.expectFile("Select temporary file", {});
           });
    QTest::newRow("NonSelfLoad, Cancel in the averaging dialog")
        << int(ID_NON_SELF_LOAD) << Road([=](RoadWindow&, ModalDriver& d, const fs::path& root) {
               d.expectFile("Select temporary file", root / "temporary files/Tumor1X.temp");
               d.expect("averaging", [&d, cancel](QWidget* m) { cancel(d, m); });
           });
    QTest::newRow("Range Set, a drag over chromosome 2, Cancel in the base copy dialog")
        << int(ID_RANGE_SET) << Road([=](RoadWindow& w, ModalDriver& d, const fs::path&) {
               d.expect("base copy number", [=, &d](QWidget* m) {
                   if (!isFace(m, "BaseSetFace")) return d.fail(m, "expected the base copy number dialog");
                   cancel(d, m);
               });
               const CVARNView& v = w.view();
               const int panel = v.panelX[kXba][2] / 10 + 10;
               const int width = (v.chromosomeStart[kXba][3] - v.chromosomeStart[kXba][2]) / 10;
               drag(w.genome(), QPoint(panel + width / 4, 120), QPoint(panel + 3 * width / 4, 120));
           });
    // Range Set and a drag over chromosome 2 with its copy number given: the ranking waits for Sort.
    const auto newRegion = [](RoadWindow& w, ModalDriver& d) {
        QVERIFY(w.trigger(ID_RANGE_SET));
        d.expect("base copy number", [&d](QWidget* m) {
            d.click(m, "1003");
            d.click(m, "1");
        });
        d.expect("region box", [](QWidget* m) { qobject_cast<QMessageBox*>(m)->button(QMessageBox::Ok)->click(); });
        const CVARNView& v = w.view();
        const int panel = v.panelX[kXba][2] / 10 + 10;
        const int width = (v.chromosomeStart[kXba][3] - v.chromosomeStart[kXba][2]) / 10;
        drag(w.genome(), QPoint(panel + width / 4, 120), QPoint(panel + 3 * width / 4, 120));
        QVERIFY2(d.finished(), qPrintable(d.report()));
        QCOMPARE(w.view().displayMode, int(ModeReferenceSort));
    };
    QTest::newRow("A new region, Sort, the references listed at once, Cancel in the reference dialog")
        << int(ID_SORT) << Road([=](RoadWindow& w, ModalDriver& d, const fs::path&) {
               newRegion(w, d);
               d.expect("reference list", [=, &d](QWidget* m) {
                   auto* list = m->findChild<QListWidget*>("1006");
                   if (list == nullptr || list->count() != 4) d.failures << "the references are not listed on opening";
                   cancel(d, m);
               });
           });
    QTest::newRow("A new region, Sort, three references ticked, Cancel in the averaging dialog")
        << int(ID_SORT) << Road([=](RoadWindow& w, ModalDriver& d, const fs::path&) {
               newRegion(w, d);
               d.expect("reference list", [&d](QWidget* m) {
                   auto* list = m->findChild<QListWidget*>("1006");
                   if (list == nullptr || list->count() != 4) return d.fail(m, "the references are not listed");
                   for (int item = 1; item < 4; ++item) list->item(item)->setCheckState(Qt::Checked);
                   d.click(m, "1");
               });
               d.expectMessage("3 items selected \n as references");
               d.expect("averaging", [&d, cancel](QWidget* m) { cancel(d, m); });
           });
    QTest::newRow("HMM parameters, OK with no spin moved")
        << int(ID_HMM_PARAMETER) << Road([=](RoadWindow&, ModalDriver& d, const fs::path&) {
               d.expect("HMM parameters", [&d](QWidget* m) { d.click(m, "1"); });
           });
    QTest::newRow("HMM parameters, spins moved, Cancel")
        << int(ID_HMM_PARAMETER) << Road([=](RoadWindow&, ModalDriver& d, const fs::path&) {
               d.expect("HMM parameters", [=, &d](QWidget* m) {
                   for (int id = 1019; id <= 1024; ++id) m->findChild<QSpinBox*>(QString::number(id))->stepUp();
                   cancel(d, m);
               });
           });
    QTest::newRow("Average mode, Cancel")
        << int(ID_AVERAGE_MODE) << Road([=](RoadWindow&, ModalDriver& d, const fs::path&) {
               d.expect("averaging", [&d, cancel](QWidget* m) { cancel(d, m); });
           });
}

void KeptAnalysisTest::roads() {
    QFETCH(int, command);
    QFETCH(Road, road);
    RoadWindow& w = *window_;
    ModalDriver driver;
    if (command == ID_RANGE_SET) {
        QVERIFY(w.trigger(ID_RANGE_SET));
        road(w, driver, root());
    } else {
        road(w, driver, root());
        QVERIFY(w.trigger(command));
    }
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(w.view().displayMode, int(ModeGenomeSingle));
    QCOMPARE(w.view().rangeSetArmed, 0);

    const Kept after = keep(root() / "temporary files/Tumor4X.temp", true);
    QCOMPARE(after.title, before_.title);
    QCOMPARE(after.purity, before_.purity);
    QVERIFY2(after.temp == before_.temp, "the stored analysis changed");
    QVERIFY2(after.view == before_.view, "the view file changed");
    QVERIFY2(after.page == before_.page, "the genome page looks different");
}

// Range Set and a drag over chromosome 2 of the paired genome: the profile is fitted again on the
// region at once and asks for its averaging, so a Cancel there must bring the profile back too.
void KeptAnalysisTest::pairedRoads_data() {
    QTest::addColumn<int>("copyNumberButton"); // 0: Cancel in the base copy dialog
    QTest::newRow("Cancel in the base copy dialog") << 0;
    QTest::newRow("copy number 3, Cancel in the averaging dialog") << 1003;
}

void KeptAnalysisTest::pairedRoads() {
    QFETCH(int, copyNumberButton);
    RoadWindow& w = *window_;
    const fs::path stored = root() / "Self temporary files/Tumor1X.temp";
    if (pairedBefore_.temp.empty()) {
        ModalDriver load;
        load.expectFile("Select self temporary file", stored);
        load.expect("averaging", [&load](QWidget* m) { load.click(m, "1"); });
        QVERIFY(w.trigger(ID_SELF_LOAD));
        QVERIFY2(load.finished(), qPrintable(load.report()));
        QCOMPARE(w.view().displayMode, int(ModeGenomeSelf));
        pairedBefore_ = keep(stored, false);
        QVERIFY(pairedBefore_.temp.size() > 100000);
    }

    ModalDriver d;
    d.expect("base copy number", [&d, copyNumberButton](QWidget* m) {
        if (!isFace(m, "BaseSetFace")) return d.fail(m, "expected the base copy number dialog");
        if (copyNumberButton == 0) return d.click(m, "2");
        d.click(m, QString::number(copyNumberButton));
        d.click(m, "1");
    });
    if (copyNumberButton != 0) {
        d.expect("region box", [](QWidget* m) { qobject_cast<QMessageBox*>(m)->button(QMessageBox::Ok)->click(); });
        d.expect("averaging", [&d](QWidget* m) { d.click(m, "2"); });
        d.expectMessage("Cancelled");
    }
    QVERIFY(w.trigger(ID_RANGE_SET));
    const CVARNView& v = w.view();
    const int panel = v.panelX[kXba][2] / 10 + 10;
    const int width = (v.chromosomeStart[kXba][3] - v.chromosomeStart[kXba][2]) / 10;
    drag(w.genome(), QPoint(panel + width / 4, 120), QPoint(panel + 3 * width / 4, 120));
    QVERIFY2(d.finished(), qPrintable(d.report()));
    QCOMPARE(w.view().displayMode, int(ModeGenomeSelf));
    QCOMPARE(w.view().rangeSetArmed, 0);

    const Kept after = keep(stored, false);
    QCOMPARE(after.title, pairedBefore_.title);
    QVERIFY2(after.temp == pairedBefore_.temp, "the stored paired analysis changed");
    QVERIFY2(after.page == pairedBefore_.page, "the paired genome page looks different");
}

QTEST_MAIN(KeptAnalysisTest)
#include "KeptAnalysisTest.moc"
