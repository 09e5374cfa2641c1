// A profile from another array in the window: the final-report demo tumour opened, fitted at its
// second solution, stored and restored, and every way out of the new dialogs leaving the page as
// it was.
#include "AppFixture.h"
#include "CMainFrame.h"
#include "CommandRouter.h"
#include "GenomeWidget.h"
#include "ProfileOpenFace.h"
#include "QtUserInterface.h"
#include "commands/CHMMParameter.h"
#include "commands/CProfileOpen.h"
#include "demo/DemoFinalReports.h"
#include "document/CVARNDoc.h"
#include "document/profile/ProfileReading.h"
#include "engine/analysis/ProfileAnalysis.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"
#include "view/DisplayMode.h"
#include "view/profile/ShownProfile.h"

#include <QImage>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QProcess>
#include <QTest>

#include <atomic>
#include <chrono>
#include <fstream>
#include <memory>
#include <thread>
#include <iterator>
#include <sstream>

using namespace varn;

namespace {

// Enough SNPs that the fit finds its solutions, few enough to stay quick.
constexpr int kSnps = 60000;

// The demo tumour, written once for the whole program.
const demo::FinalReportFiles& demoFiles() {
    static test::TempDir dir;
    static const demo::FinalReportFiles files{dir / "Tumor8.txt", dir / "Tumor8N.txt", dir / "truth.txt",
                                              dir / "demo.pfb"};
    static const bool written = [] {
        std::ostringstream err;
        return demo::writeDemoFinalReports(files, 1, kSnps, "test", err);
    }();
    if (!written) qFatal("the demo final report could not be written");
    return files;
}

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ProfileWindow {
    test::AppFixture f;
    CVARNView& view = f.app->view();
    CVARNDoc& doc = view.GetDocument();
    CMainFrame& frame = f.app->mainFrame();

    ProfileWindow() {
        frame.resize(1000, 700);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
    }
    // Open Profile through the chooser and the dialog, answered OK as they open.
    void open(const std::filesystem::path& file) {
        f.ui.answerFile(file);
        f.ui.answer<CProfileOpen>([](CProfileOpen&) { return DialogResult::Ok; });
        QVERIFY(frame.sendCommand(ID_OPEN_PROFILE));
    }
    QImage page() {
        QCoreApplication::processEvents();
        return frame.genomeWidget()->grab().toImage();
    }
    std::vector<std::int8_t> states() const { return doc.shownProfile->result.totalCopies; }
};

} // namespace

class ProfileWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void openEstimateSecondSolutionStoreAndRestore();
    void cancelsAndAWrongFileLeaveThePageAsItWas();
    void theRealFaceAndTheWorkOffTheWindowsThread();
};

void ProfileWindowTest::openEstimateSecondSolutionStoreAndRestore() {
    const demo::FinalReportFiles& files = demoFiles();
    std::filesystem::path stored;
    std::vector<std::int8_t> secondStates;
    QString title;
    {
        ProfileWindow w;
        w.open(files.tumour);
        QVERIFY2(w.doc.shownProfile != nullptr, w.f.ui.messages.empty() ? "" : w.f.ui.messages.back().c_str());
        QCOMPARE(w.view.displayMode, ModeProfileGenome);
        QVERIFY(w.f.app->router().isEnabled(ID_HMM_PARAMETER));
        QVERIFY(!w.f.app->router().isEnabled(ID_SORT));
        QVERIFY(!w.view.unavailableOnProfile(ID_SORT).empty());

        // The dialog's Estimate lists the fit's solutions; the second, picked, decodes the profile
        // as the analysis at solution 2 does.
        std::size_t listed = 0;
        w.f.ui.answer<CHMMParameter>([&listed](CHMMParameter& d) {
            d.onEstimate();
            listed = d.solutionLines().size();
            return d.pickSolution(2) ? DialogResult::Ok : DialogResult::Cancel;
        });
        QVERIFY(w.frame.sendCommand(ID_HMM_PARAMETER));
        QVERIFY2(listed >= 2, std::to_string(listed).c_str());
        const ProfileReading reading = readProfile(files.tumour, {});
        ProfileAnalysisOptions second;
        second.solution = 2;
        const ProfileAnalysis expected = analyseProfile(*reading.profile, second);
        QCOMPARE(w.doc.shownProfile->result.solution, 2);
        secondStates = w.states();
        QVERIFY(secondStates == expected.decoding.totalCopies);
        title = w.frame.windowTitle();
        QVERIFY2(title.contains("solution 2"), qPrintable(title));

        // Right-click on the strip names a SNP with the state it is drawn in.
        w.page();
        w.f.ui.answerYesNo(false);
        w.view.OnRButtonDown((w.view.profileStripLeft + w.view.profileStripRight) / 2, 100);
        QVERIFY(!w.f.ui.messages.empty());
        QVERIFY2(w.f.ui.messages.back().rfind("SNP= ", 0) == 0, w.f.ui.messages.back().c_str());
        QVERIFY(w.f.ui.messages.back().find("State= ") != std::string::npos);

        // SegmentOut, AlleleOut and Export Picture write what varn-cli profile writes at solution 2.
        QVERIFY(w.frame.sendCommand(ID_SEGMENT_OUT));
        QVERIFY(w.frame.sendCommand(ID_ALLELE_OUT));
        w.f.ui.answerFileOfType(w.f.folder / "genome.png", 0);
        QVERIFY(w.frame.sendCommand(ID_EXPORT_PICTURE));
        const test::TempDir cliRoot;
        QProcess cli;
        cli.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        cli.start(VARN_CLI_PATH, {"--root", QString::fromStdString(cliRoot.path().string()), "profile",
                                  QString::fromStdString(files.tumour.string()), "--solution", "2", "--segments",
                                  "--baf", "--plot", QString::fromStdString((cliRoot / "genome.png").string())});
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), 0);
        for (const char* file : {"segments/Tumor8.seg", "segments/Tumor8.segments.tsv", "segments/Tumor8.bed",
                                 "alleles/Tumor8.LogR.txt", "alleles/Tumor8.BAF.txt"})
            QVERIFY2(!bytesOf(cliRoot / file).empty() && bytesOf(w.f.root() / file) == bytesOf(cliRoot / file), file);
        QVERIFY(!bytesOf(cliRoot / "genome.png").empty());
        QVERIFY(bytesOf(w.f.folder / "genome.png") == bytesOf(cliRoot / "genome.png"));
        w.f.ui.answerFile(w.f.folder / "Tumor8.pdf");
        QVERIFY(w.frame.sendCommand(ID_REPORT_OUT));
        QVERIFY(bytesOf(w.f.folder / "Tumor8.pdf").rfind("%PDF", 0) == 0);

        QVERIFY(w.frame.sendCommand(ID_STORE));
        // Kept past this window's folder, which goes with it.
        stored = files.tumour.parent_path() / "Tumor8.profile.gz";
        std::filesystem::copy_file(w.f.root() / "temporary files" / "Tumor8.profile.gz", stored,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    // A window of its own, as after closing the program: the tumour opened again comes back at the
    // solution it was stored at, and the stored analysis loaded comes back whole.
    ProfileWindow w;
    std::filesystem::create_directories(w.f.root() / "temporary files");
    std::filesystem::copy_file(stored, w.f.root() / "temporary files" / "Tumor8.profile.gz");
    w.open(files.tumour);
    QVERIFY(w.doc.shownProfile != nullptr);
    QVERIFY(w.states() == secondStates);
    QCOMPARE(w.frame.windowTitle(), title);
    w.f.ui.answerFile(stored);
    QVERIFY(w.frame.sendCommand(ID_LOAD_PROFILE_ANALYSIS));
    // `varn FILE`: a profile through Open Profile's dialog, a stored analysis as it was stored.
    const test::AppFixture argument({files.tumour}, [](test::ScriptedUi& ui) {
        ui.answer<CProfileOpen>([](CProfileOpen&) { return DialogResult::Ok; });
    });
    QVERIFY(argument.started && argument.app->document().shownProfile != nullptr);
    const test::AppFixture storedArgument({stored});
    QVERIFY(storedArgument.started && storedArgument.app->document().shownProfile->result.totalCopies == secondStates);
    QVERIFY(w.doc.shownProfile != nullptr);
    QVERIFY(w.states() == secondStates);
    QCOMPARE(w.frame.windowTitle(), title.replace(files.tumour.filename().string().c_str(), "Tumor8.profile.gz"));
}

// Cancel in the chooser, in the dialog, in the HMM dialog, in Load Profile Analysis's chooser and
// on the progress bar, and a file that is no profile: the page stays pixel for pixel, the analysis the same object.
void ProfileWindowTest::cancelsAndAWrongFileLeaveThePageAsItWas() {
    ProfileWindow w;
    w.open(demoFiles().tumour);
    QVERIFY(w.doc.shownProfile != nullptr);
    const ShownProfile* shown = w.doc.shownProfile.get();
    const QImage before = w.page();

    w.f.ui.answerFile(std::nullopt);
    QVERIFY(w.frame.sendCommand(ID_OPEN_PROFILE));
    w.f.ui.answerFile(demoFiles().tumour);
    w.f.ui.cancel<CProfileOpen>();
    QVERIFY(w.frame.sendCommand(ID_OPEN_PROFILE));
    w.f.ui.cancel<CHMMParameter>();
    QVERIFY(w.frame.sendCommand(ID_HMM_PARAMETER));
    w.f.ui.answerFile(std::nullopt);
    QVERIFY(w.frame.sendCommand(ID_LOAD_PROFILE_ANALYSIS));
    // Cancel on the progress bar, during the first reading and during the reading and fitting.
    w.f.ui.answerFile(demoFiles().tumour);
    w.f.ui.cancelWork();
    QVERIFY(w.frame.sendCommand(ID_OPEN_PROFILE));
    w.f.ui.answerFile(demoFiles().tumour);
    w.f.ui.answer<CProfileOpen>([](CProfileOpen&) { return DialogResult::Ok; });
    w.f.ui.letWorkRun();
    w.f.ui.cancelWork();
    QVERIFY(w.frame.sendCommand(ID_OPEN_PROFILE));
    QVERIFY(w.f.ui.messages.empty());

    const std::filesystem::path wrong = w.f.folder / "wrong.txt";
    std::ofstream(wrong) << "not a profile\n";
    w.f.ui.answerFile(wrong);
    QVERIFY(w.frame.sendCommand(ID_OPEN_PROFILE));
    QCOMPARE(w.f.ui.messages.size(), std::size_t(1));
    QVERIFY2(w.f.ui.messages.front().find("wrong.txt") != std::string::npos, w.f.ui.messages.front().c_str());

    QVERIFY(w.f.ui.allAnswersUsed());
    QCOMPARE(w.doc.shownProfile.get(), shown);
    QVERIFY(w.page() == before);
}

// The Qt face carries its answers into the dialog; the work behind the progress bar runs on a
// thread of its own, and the bar's Cancel returns at once while the work is still running.
void ProfileWindowTest::theRealFaceAndTheWorkOffTheWindowsThread() {
    test::ScriptedUi scripted;
    CProfileOpen dialog;
    ProfileReading first;
    first.summary.samples = {"T1", "T2"};
    first.summary.notes = {"60,000 SNPs on 23 chromosomes"};
    dialog.onInitDialog(first);
    ProfileOpenFace face(dialog, scripted, nullptr);
    QCOMPARE(face.findChild<QPlainTextEdit*>("read")->toPlainText(), QString("60,000 SNPs on 23 chromosomes\n"));
    face.findChild<QComboBox*>("sample")->setCurrentIndex(1);
    face.findChild<QLineEdit*>("normal")->setText("N.txt");
    face.findChild<QComboBox*>("build")->setCurrentText("hg38");
    face.accept();
    QCOMPARE(face.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(dialog.options().sample), QString("T2"));
    QCOMPARE(dialog.options().normal, std::filesystem::path("N.txt"));
    QVERIFY(dialog.options().build == GenomeBuild::Hg38);

    test::TempDir root;
    QtUserInterface ui{InstallRoot(root.path())};
    std::thread::id ranOn;
    QVERIFY(ui.runCancellable("Reading", [&ranOn] { ranOn = std::this_thread::get_id(); }));
    QVERIFY(ranOn != std::thread::id() && ranOn != std::this_thread::get_id());

    auto release = std::make_shared<std::atomic<bool>>(false);
    auto ended = std::make_shared<std::atomic<bool>>(false);
    QTimer::singleShot(200, [] {
        if (QWidget* bar = QApplication::activeModalWidget())
            if (auto* cancel = bar->findChild<QPushButton*>("cancel")) cancel->click();
    });
    QVERIFY(!ui.runCancellable("Fitting", [release, ended] {
        while (!release->load()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ended->store(true);
    }));
    QVERIFY(!ended->load());
    release->store(true);
    QTRY_VERIFY(ended->load());
}

QTEST_MAIN(ProfileWindowTest)
#include "ProfileWindowTest.moc"
