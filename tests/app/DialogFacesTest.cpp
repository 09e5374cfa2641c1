// The Qt faces of the dialogs and the small pieces beside them: chooser filters, the recent-file
// list, the chromosome dialog and the OK rules the faces keep. Controls are found by their
// dialog-template ids; modal dialogs are driven from a timer that waits for them to open.
#include "ChSelectDialog.h"
#include "FileFilter.h"
#include "QtUserInterface.h"
#include "RecentFileList.h"
#include "SetupDialogFaces.h"
#include "commands/CAverage.h"
#include "commands/CBaseSet.h"
#include "commands/CHMMParameter.h"
#include "commands/CRefSelect.h"
#include "document/InstallRoot.h"
#include "document/SetupDialogs.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "view/CChSelectDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <fstream>
#include <functional>
#include <memory>

using namespace varn;

namespace {

// Runs the action on the next modal widget other than `except` as soon as it is the active one;
// gives up after five seconds (the dialog then stays open and the test times out visibly).
void onNextModal(std::function<void(QWidget*)> action, const QWidget* except = nullptr) {
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, except, action] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool found = modal != nullptr && modal != except;
        if (!found && clock->elapsed() < 5000) return;
        timer->stop();
        timer->deleteLater();
        if (found) action(modal);
    });
    timer->start(10);
}

template <typename Widget = QAbstractButton>
Widget* control(const QWidget& dialog, int id) {
    return dialog.findChild<Widget*>(QString::number(id));
}

QStringList groupTitles(const QWidget& dialog) {
    QStringList titles;
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) titles << box->title();
    return titles;
}

QStringList labels(const QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

// OK is "1" and Cancel "2", as the framework numbers them.
void checkOkCancel(const QWidget& dialog) {
    QVERIFY(control(dialog, 1) != nullptr);
    QVERIFY(control(dialog, 2) != nullptr);
    QCOMPARE(control(dialog, 1)->text(), QString("OK"));
    QCOMPARE(control(dialog, 2)->text(), QString("Cancel"));
}

void checkCaptions(const QWidget& dialog, const std::vector<std::pair<int, QString>>& captions) {
    for (const auto& [id, caption] : captions) {
        QAbstractButton* button = control(dialog, id);
        QVERIFY2(button != nullptr, qPrintable(QString("no control %1").arg(id)));
        QCOMPARE(button->text(), caption);
    }
}

QStringList checkedIds(const QWidget& dialog) {
    QStringList ids;
    for (const QRadioButton* button : dialog.findChildren<QRadioButton*>())
        if (button->isChecked()) ids << button->objectName();
    return ids;
}

void touch(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "x\n";
}

// Receives the addresses handed to the desktop's URL opener for the test's own scheme.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

class DialogFacesTest : public QObject {
    Q_OBJECT
  private slots:
    void filtersBecomeQtFilters_data();
    void filtersBecomeQtFilters();
    void recentListKeepsFiveNewestFirst();
    void recentListRoundTripsThroughSettings();
    void chromosomeDialogFirstOpeningChecksCh1();
    void chromosomeDialogLaterOpeningsCheckNothing();
    void baseSetKeepsOpenUntilOneIsTicked();
    void averageRefusesANumberOutOfRange();
    void sampleTypeRefusesNoType();
    void basicModeNamesCaptionsAndPresets();
    void sampleDialogsNameTheirRows();
    void chooserCancelKeepsTheEarlierName();
    void chooserOkShowsTheNameWithoutExtension();
    void averageNamesPresetsAndNumberMessages();
    void averageWithoutAModeAsksForIt();
    void hmmParameterRowsDefaultAndCurrentValue();
    void refSelectLoadsTheListAndWantsATick();
    void baseSetStaysOpenThroughTheRealMessageBox();
    void chromosomeDialogNamesAndGroup();
    void progressDialogOpensAndCloses();
    void yesNoBoxAnswersYesAndNo();
    void urlOpenerReportsTheDesktopsAnswer();
};

void DialogFacesTest::filtersBecomeQtFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("all files") << "All Files (*.*)|*.*||"
                               << "All Files (*)";
    QTest::newRow("text then all") << "text(*.txt)|*.txt|all_files(*.*)|*.*||"
                                   << "text (*.txt);;all_files (*)";
    QTest::newRow("description without patterns") << "temp file|*.temp||"
                                                  << "temp file (*.temp)";
    QTest::newRow("two patterns") << "Tables|*.xls;*.txt||"
                                  << "Tables (*.xls *.txt)";
    QTest::newRow("no closing bars") << "Views|*.cng"
                                     << "Views (*.cng)";
}

void DialogFacesTest::filtersBecomeQtFilters() {
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(qtFileFilter(filter.toStdString()), expected);
}

void DialogFacesTest::recentListKeepsFiveNewestFirst() {
    RecentFileList list(5);
    for (const char* name : {"/p/a", "/p/b", "/p/c", "/p/d", "/p/e", "/p/f"}) list.add(name);
    QCOMPARE(list.entries().size(), std::size_t{5});
    QCOMPARE(list.entries().front(), std::filesystem::path("/p/f"));
    QCOMPARE(list.entries().back(), std::filesystem::path("/p/b"));
    list.add("/p/d");
    QCOMPARE(list.entries().front(), std::filesystem::path("/p/d"));
    QCOMPARE(list.entries().size(), std::size_t{5});
    list.add("/p/./e");
    QCOMPARE(list.entries().front(), std::filesystem::path("/p/e"));
    QCOMPARE(list.entries().size(), std::size_t{5});
    list.remove(0);
    list.remove(17);
    QCOMPARE(list.entries().front(), std::filesystem::path("/p/d"));
}

void DialogFacesTest::recentListRoundTripsThroughSettings() {
    test::TempDir folder;
    QSettings settings(QString::fromStdString((folder / "varn.ini").string()), QSettings::IniFormat);
    RecentFileList list(5);
    list.add("/p/a");
    list.add("/p/b");
    list.save(settings);
    RecentFileList shorter(5);
    shorter.add("/p/c");
    RecentFileList reread(5);
    reread.load(settings);
    QCOMPARE(reread.entries(), list.entries());
    shorter.save(settings); // a shorter list leaves no stale entries behind
    reread.load(settings);
    QCOMPARE(reread.entries(), shorter.entries());
    QCOMPARE(settings.value("Recent File List/File1").toString(), QString("/p/c"));
}

void DialogFacesTest::chromosomeDialogFirstOpeningChecksCh1() {
    CChSelectDlg dialog;
    dialog.onInitDialog(true);
    ChSelectDialog face(dialog);
    QCOMPARE(face.button(1)->text(), QString("Ch1"));
    QCOMPARE(face.button(22)->text(), QString("Ch22"));
    QCOMPARE(face.button(23)->text(), QString("ChX"));
    QCOMPARE(face.button(23)->objectName(), QString("1023"));
    QCOMPARE(control(face, 1001), face.button(1));
    QVERIFY(face.button(1)->isChecked());
    face.button(23)->setChecked(true);
    face.accept();
    QCOMPARE(face.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.result, 23);
}

void DialogFacesTest::chromosomeDialogLaterOpeningsCheckNothing() {
    CChSelectDlg dialog;
    dialog.onInitDialog(false);
    ChSelectDialog face(dialog);
    for (int c = 1; c <= 23; ++c) QVERIFY(!face.button(c)->isChecked());
    face.accept();
    QCOMPARE(dialog.result, 0); // the view keeps the chromosome it shows
}

void DialogFacesTest::baseSetKeepsOpenUntilOneIsTicked() {
    test::ScriptedUi ui;
    CBaseSet dialog;
    BaseSetFace face(dialog, ui, nullptr);
    QCOMPARE(face.windowTitle(), QString("Dialog"));
    QCOMPARE(groupTitles(face), QStringList{"Base Copy Number of the Selected Region"});
    checkCaptions(face, {{1001, "n=1"}, {1002, "n=2"}, {1003, "n=3"}, {1004, "n=4"}});
    checkOkCancel(face);
    QVERIFY(checkedIds(face).isEmpty());
    face.accept();
    QCOMPARE(ui.messages, std::vector<std::string>{"Select one "});
    QVERIFY(face.result() != QDialog::Accepted);
    const auto buttons = face.findChildren<QRadioButton*>();
    QCOMPARE(buttons.size(), qsizetype{4});
    buttons[2]->setChecked(true);
    face.accept();
    QCOMPARE(face.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.n, 3);
}

void DialogFacesTest::averageRefusesANumberOutOfRange() {
    test::ScriptedUi ui;
    CAverage dialog;
    dialog.onInitDialog();
    AverageFace face(dialog, ui, nullptr);
    QLineEdit* number = face.findChild<QLineEdit*>();
    QCOMPARE(number->text(), QString("10"));
    const std::pair<const char*, const char*> refusals[] = {
        {"11", "Please enter an integer between 1 and 10."},
        {"0", "Please enter an integer between 1 and 10."},
        {"4x", "Please enter an integer."},
        {"", "Please enter an integer."},
    };
    for (const auto& [text, message] : refusals) {
        ui.messages.clear();
        number->setText(text);
        face.accept();
        QVERIFY2(face.result() != QDialog::Accepted, text);
        QCOMPARE(ui.messages, std::vector<std::string>{message});
    }
    number->setText(" 4 ");
    face.accept();
    QCOMPARE(face.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.averageNumber, 4);
    QCOMPARE(dialog.trimExtremes, 1);
    QCOMPARE(dialog.drawMethod, 2);
}

void DialogFacesTest::sampleTypeRefusesNoType() {
    test::ScriptedUi ui;
    CSampleTypeSelect dialog;
    SampleTypeSelectFace face(dialog, ui, nullptr);
    QCOMPARE(groupTitles(face), QStringList{"Select Sample Type"});
    checkCaptions(face, {{1001, "Xba 50K"}, {1002, "Hind 50K"}});
    checkOkCancel(face);
    QVERIFY(checkedIds(face).isEmpty());
    face.accept();
    QCOMPARE(ui.messages, std::vector<std::string>{"Select one type "});
    QVERIFY(face.result() != QDialog::Accepted);
    control(face, 1002)->setChecked(true);
    face.accept();
    QCOMPARE(face.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.sampleType, 2);
}

void DialogFacesTest::basicModeNamesCaptionsAndPresets() {
    CBasicMode first;
    first.arrayChoice = -1; // the document's value before the first analysis
    BasicModeFace face(first, nullptr);
    QCOMPARE(face.windowTitle(), QString("Dialog"));
    QCOMPARE(groupTitles(face), (QStringList{"Type of Analysis", "Type of Arrays"}));
    checkCaptions(face, {{1001, "Self reference"},
                         {1002, "Non self reference"},
                         {1003, "Xba"},
                         {1004, "Hind"},
                         {1005, "Xba + Hind"}});
    checkOkCancel(face);
    QVERIFY(labels(face).contains("Temp files of both types should be available in selecting Xba + Hind analysis"));
    QCOMPARE(checkedIds(face), (QStringList{"1002", "1003"}));

    CBasicMode later;
    later.mode = 1;
    later.arrayChoice = 0;
    BasicModeFace again(later, nullptr);
    QCOMPARE(checkedIds(again), (QStringList{"1001", "1005"}));
    control(again, 1002)->setChecked(true);
    control(again, 1004)->setChecked(true);
    control(again, 1)->click();
    QCOMPARE(again.result(), int(QDialog::Accepted));
    QCOMPARE(later.mode, 2);
    QCOMPARE(later.arrayChoice, 2);
}

void DialogFacesTest::sampleDialogsNameTheirRows() {
    test::ScriptedUi ui;
    const InstallRoot root("/nowhere");
    CSampleSelect single;
    single.signalName = "S1";
    single.snpName = "C1";
    SampleSelectFace face(single, ui, root, nullptr);
    QCOMPARE(groupTitles(face), QStringList{"Select Sample"});
    checkCaptions(face, {{1001, "New Sample"}, {1002, "Edited Sample"}, {1003, "Signal File"}, {1004, "SNPs File"}});
    checkOkCancel(face);
    QVERIFY(checkedIds(face).isEmpty());
    QCOMPARE(control<QLineEdit>(face, 1005)->text(), QString("S1"));
    QCOMPARE(control<QLineEdit>(face, 1006)->text(), QString("C1"));
    QVERIFY(control<QLineEdit>(face, 1005)->isReadOnly());
    control(face, 1)->click();
    QCOMPARE(face.result(), int(QDialog::Accepted)); // no choice is no refusal
    QCOMPARE(single.sampleChoice, 0);

    CSelfSampleSelect paired;
    paired.tumorSignalName = "TS";
    paired.normalSignalName = "NS";
    paired.tumorSnpName = "TC";
    paired.normalSnpName = "NC";
    SelfSampleSelectFace self(paired, ui, root, nullptr);
    QCOMPARE(groupTitles(self), QStringList{"Select Sample"});
    checkCaptions(self, {{1001, "New Sample"},
                         {1002, "Edited Sample"},
                         {1003, "Tumor Signal File"},
                         {1007, "Normal Signal File"},
                         {1004, "Tumor SNPs File"},
                         {1009, "Normal SNPs File"}});
    checkOkCancel(self);
    const std::pair<int, QString> edits[] = {{1005, "TS"}, {1008, "NS"}, {1006, "TC"}, {1010, "NC"}};
    for (const auto& [id, text] : edits) {
        QCOMPARE(control<QLineEdit>(self, id)->text(), text);
        QVERIFY(control<QLineEdit>(self, id)->isReadOnly());
    }
    control(self, 1002)->setChecked(true);
    control(self, 1)->click();
    QCOMPARE(paired.sampleChoice, 2);
}

void DialogFacesTest::chooserCancelKeepsTheEarlierName() {
    test::TempDir folder;
    const InstallRoot root(folder.path());
    std::filesystem::create_directories(folder / "tumorsampleH");
    QtUserInterface qt(root);
    CSampleSelect dialog;
    dialog.arrayChoice = 2;
    dialog.signalPath = "/earlier/Old.txt";
    dialog.signalName = "Old";
    SampleSelectFace face(dialog, qt, root, nullptr);
    face.show();
    // What the chooser showed, read inside the timer and compared once it has closed.
    QString name, title, directory, suffix;
    QStringList filters;
    bool ownDialog = false, existingFile = false;
    onNextModal(
        [&](QWidget* modal) {
            if (auto* chooser = qobject_cast<QFileDialog*>(modal)) {
                name = chooser->objectName();
                title = chooser->windowTitle();
                ownDialog = chooser->testOption(QFileDialog::DontUseNativeDialog);
                directory = chooser->directory().absolutePath();
                filters = chooser->nameFilters();
                suffix = chooser->defaultSuffix();
                existingFile = chooser->fileMode() == QFileDialog::ExistingFile;
            }
            modal->close();
        },
        &face);
    control(face, 1003)->click();
    QCOMPARE(name, QString("fileChooser"));
    QCOMPARE(title, QString("Select Hind tumor sample signal data file"));
    QVERIFY(ownDialog);
    QCOMPARE(directory, QString::fromStdString((folder / "tumorsampleH").string()));
    QCOMPARE(filters, (QStringList{"text (*.txt)", "all_files (*)"}));
    QCOMPARE(suffix, QString("txt"));
    QVERIFY(existingFile);
    QCOMPARE(control<QLineEdit>(face, 1005)->text(), QString("Old"));
    QCOMPARE(dialog.signalPath, std::string("/earlier/Old.txt"));
    QCOMPARE(dialog.signalName, std::string("Old"));
}

void DialogFacesTest::chooserOkShowsTheNameWithoutExtension() {
    test::TempDir folder;
    const InstallRoot root(folder.path());
    const auto file = folder / "sampledataX" / "Normal7X_snp.txt";
    touch(file);
    QtUserInterface qt(root);
    CSelfSampleSelect dialog;
    dialog.arrayChoice = 1;
    SelfSampleSelectFace face(dialog, qt, root, nullptr);
    face.show();
    QString title;
    onNextModal(
        [&](QWidget* modal) {
            auto* chooser = qobject_cast<QFileDialog*>(modal);
            if (!chooser) return modal->close(), void();
            title = chooser->windowTitle();
            // The chooser leaves a name edit that has the focus alone (the person may be
            // typing in it); the test picks the file as a click in the list would.
            if (QWidget* focused = chooser->focusWidget()) focused->clearFocus();
            chooser->selectFile(QString::fromStdString(file.string()));
            static_cast<QDialog*>(chooser)->accept(); // the chooser's own OK, as its button does
        },
        &face);
    control(face, 1009)->click();
    QCOMPARE(title, QString("Select Xba normal sample SNP data file"));
    QCOMPARE(control<QLineEdit>(face, 1010)->text(), QString("Normal7X_snp"));
    QCOMPARE(std::filesystem::path(dialog.normalSnpPath), file);
    QCOMPARE(dialog.normalSnpName, std::string("Normal7X_snp"));
    QVERIFY(dialog.tumorSnpPath.empty());
}

void DialogFacesTest::averageNamesPresetsAndNumberMessages() {
    test::ScriptedUi ui;
    CAverage dialog;
    dialog.averageNumber = 7;
    dialog.onInitDialog();
    AverageFace face(dialog, ui, nullptr);
    checkCaptions(face, {{1001, "Exclude Max and Min"}, {1002, "Include All Data"}, {1003, "Points"}, {1004, "Lines"}});
    QCOMPARE(groupTitles(face), (QStringList{"", ""})); // the two radio pairs are framed without titles
    checkOkCancel(face);
    QCOMPARE(checkedIds(face), (QStringList{"1001", "1004"}));
    QCOMPARE(control<QLineEdit>(face, 1005)->text(), QString("7"));
    QVERIFY(labels(face).contains("Enter Averaging Number (1-10)"));
    control(face, 1002)->setChecked(true);
    control(face, 1003)->setChecked(true);
    control(face, 1)->click();
    QCOMPARE(face.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.trimExtremes, 2);
    QCOMPARE(dialog.drawMethod, 1);
    QCOMPARE(dialog.averageNumber, 7);
}

void DialogFacesTest::averageWithoutAModeAsksForIt() {
    test::ScriptedUi ui;
    CAverage dialog;
    dialog.trimExtremes = 0;
    dialog.drawMethod = 0;
    AverageFace face(dialog, ui, nullptr);
    QVERIFY(checkedIds(face).isEmpty());
    face.accept();
    QCOMPARE(ui.messages, std::vector<std::string>{"Select Averaging Mode"});
    control(face, 1001)->setChecked(true);
    face.accept();
    QCOMPARE(ui.messages.back(), std::string("Select Draw Mode"));
    QVERIFY(face.result() != QDialog::Accepted);
    control(face, 1004)->setChecked(true);
    face.accept();
    QCOMPARE(face.result(), int(QDialog::Accepted));
}

void DialogFacesTest::hmmParameterRowsDefaultAndCurrentValue() {
    CHMMParameter dialog;
    const float means[6] = {0.899f, 0.657f, 0.365f, 0.0f, -0.49f, -1.24f}; // copy numbers 5 .. 0
    for (int i = 0; i < 6; ++i) dialog.member[i] = means[i];
    dialog.onInitDialog();
    HmmParameterFace face(dialog, nullptr);
    checkCaptions(face, {{1003, "Default"}, {1004, "Current Value"}});
    checkOkCancel(face);
    for (int n = 0; n <= 5; ++n) QVERIFY(labels(face).contains(QString("N=%1").arg(n)));
    QVERIFY(labels(face).contains("mean(x100)"));
    const int opened[6] = {89, 65, 36, 0, -49, -124};
    for (int i = 0; i < 6; ++i) {
        auto* current = control<QLineEdit>(face, 1005 + i);
        auto* spin = control<QSpinBox>(face, 1019 + i);
        QVERIFY(current && spin);
        QVERIFY(current->isReadOnly());
        QCOMPARE(current->text(), QString::asprintf("%3f", static_cast<double>(means[i])));
        QCOMPARE(control<QLineEdit>(face, 1011 + i)->parentWidget(), spin);
        QCOMPARE(spin->minimum(), -150);
        QCOMPARE(spin->maximum(), 150);
        QCOMPARE(spin->value(), opened[i]);
    }
    control(face, 1003)->click();
    const int defaults[6] = {89, 65, 37, 0, -49, -124};
    for (int i = 0; i < 6; ++i) QCOMPARE(control<QSpinBox>(face, 1019 + i)->value(), defaults[i]);
    // The edits beside the spins follow them: a moved spin shows its hundredths.
    QCOMPARE(control<QLineEdit>(face, 1007)->text(), QString("0.370000"));
    QCOMPARE(control<QLineEdit>(face, 1005)->text(), QString("0.899000"));
    control(face, 1004)->click();
    QCOMPARE(control<QSpinBox>(face, 1021)->value(), 36);
    control<QSpinBox>(face, 1024)->setValue(-400); // held to the spin range
    control<QSpinBox>(face, 1019)->setValue(120);
    control(face, 1)->click();
    QCOMPARE(face.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.member[5], -1.5f);
    QCOMPARE(dialog.member[0], 1.2f);
    QCOMPARE(dialog.member[2], 0.365f); // back where it opened: the mean to the last digit
}

void DialogFacesTest::refSelectLoadsTheListAndWantsATick() {
    test::ScriptedUi ui;
    CRefSelect dialog;
    dialog.entryCount = 4;
    const char* names[] = {"", "N01", "N02", "N03"};
    for (int s = 1; s < 4; ++s) {
        std::snprintf(dialog.referenceName[s], sizeof dialog.referenceName[s], "%s", names[s]);
        dialog.referenceSd[s] = 0.1f * static_cast<float>(s);
    }
    // Opened as Sort opens it: the references are listed at once; "Sample Load" then adds nothing
    // the first time and keeps the ticks made, and lists them again the second time.
    dialog.onInitDialog();
    RefSelectFace face(dialog, ui, nullptr);
    checkCaptions(face, {{1003, "Sample Load"}});
    checkOkCancel(face);
    auto* list = control<QListWidget>(face, 1006);
    QVERIFY(list != nullptr);
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QString(" sampleN01   0.100000"));
    QCOMPARE(list->item(2)->text(), QString(" sampleN03   0.300000"));
    list->item(0)->setCheckState(Qt::Checked);
    control(face, 1003)->click();
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->checkState(), Qt::Checked);
    control(face, 1003)->click();
    QCOMPARE(list->count(), 6);
    QCOMPARE(list->item(0)->checkState(), Qt::Checked);
    list->item(0)->setCheckState(Qt::Unchecked);
    control(face, 1)->click();
    QCOMPARE(ui.messages, std::vector<std::string>{"Select samples"});
    QVERIFY(face.result() != QDialog::Accepted);
    list->item(1)->setCheckState(Qt::Checked);
    list->item(2)->setCheckState(Qt::Checked);
    control(face, 1)->click();
    QCOMPARE(face.result(), int(QDialog::Accepted));
    QCOMPARE(ui.messages.back(), std::string("2 items selected \n as references"));
    QCOMPARE(dialog.firstTicked, 2);
    QCOMPARE(dialog.tickedCount, 2);
}

void DialogFacesTest::baseSetStaysOpenThroughTheRealMessageBox() {
    test::TempDir folder;
    QtUserInterface qt{InstallRoot(folder.path())};
    CBaseSet dialog;
    QString refusal;
    bool stayedOpen = false;
    onNextModal([&](QWidget* face) {
        onNextModal(
            [&](QWidget* box) {
                auto* message = qobject_cast<QMessageBox*>(box);
                if (message) refusal = message->text();
                box->close();
            },
            face);
        control(*face, 1)->click();
        stayedOpen = face->isVisible();
        control(*face, 1002)->setChecked(true);
        control(*face, 1)->click();
    });
    QCOMPARE(qt.baseSet(dialog), DialogResult::Ok);
    QCOMPARE(refusal, QString("Select one "));
    QVERIFY(stayedOpen);
    QCOMPARE(dialog.n, 2);
}

void DialogFacesTest::chromosomeDialogNamesAndGroup() {
    CChSelectDlg dialog;
    dialog.onInitDialog(false);
    ChSelectDialog face(dialog);
    QCOMPARE(face.windowTitle(), QString("Dialog"));
    QCOMPARE(groupTitles(face), QStringList{"Select a Chromosome"});
    checkOkCancel(face);
    for (int c = 1; c <= 23; ++c) QCOMPARE(control(face, 1000 + c), face.button(c));
    control(face, 1008)->setChecked(true);
    control(face, 2)->click();
    QCOMPARE(face.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.result, 0);
}

void DialogFacesTest::progressDialogOpensAndCloses() {
    test::TempDir folder;
    QtUserInterface qt{InstallRoot(folder.path())};
    const auto shown = [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QProgressDialog*>(widget); dialog && dialog->objectName() == "progress")
                return dialog;
        return static_cast<QProgressDialog*>(nullptr);
    };
    QVERIFY(shown() == nullptr);
    qt.progress("Reading reference samples", 0, 3);
    QProgressDialog* dialog = shown();
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    QCOMPARE(dialog->labelText(), QString("Reading reference samples"));
    QCOMPARE(dialog->maximum(), 3);
    QVERIFY(dialog->findChildren<QPushButton*>().isEmpty()); // the work cannot stop halfway
    qt.progress("Reading reference samples", 2, 3);
    QCOMPARE(shown(), dialog);
    QCOMPARE(dialog->value(), 2);
    QVERIFY(dialog->isVisible());
    qt.progress("Reading reference samples", 3, 3);
    QVERIFY(shown() == nullptr);
    qt.progress("Exporting tracks", 0, 0); // nothing to do shows nothing
    QVERIFY(shown() == nullptr);
}

void DialogFacesTest::yesNoBoxAnswersYesAndNo() {
    test::TempDir folder;
    QtUserInterface qt{InstallRoot(folder.path())};
    for (const bool yes : {true, false}) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QString text;
        onNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) return modal->close(), void();
            icon = box->icon();
            buttons = box->standardButtons();
            text = box->text();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        QCOMPARE(qt.yesNoBox("SNPnumber= 5\n Goto Web Information?"), yes);
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(text, QString("SNPnumber= 5\n Goto Web Information?"));
    }
}

void DialogFacesTest::urlOpenerReportsTheDesktopsAnswer() {
    test::TempDir folder;
    QtUserInterface qt{InstallRoot(folder.path())};
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("varntest", &catcher, "open");
    QVERIFY(qt.openUrl("varntest://browser.example/cgi-bin/hgTracks?hgsid=1&db=hg16&position=chrX%3A100-300"));
    QDesktopServices::unsetUrlHandler("varntest");
    QCOMPARE(catcher.urls.size(), qsizetype{1});
    QCOMPARE(catcher.urls.front().host(), QString("browser.example"));
    QCOMPARE(catcher.urls.front().path(), QString("/cgi-bin/hgTracks"));
    QVERIFY(catcher.urls.front().query(QUrl::FullyEncoded).endsWith("position=chrX%3A100-300"));
}

QTEST_MAIN(DialogFacesTest)
#include "DialogFacesTest.moc"
