// The Qt faces of the dialogs and the small pieces beside them: chooser filters, the recent-file
// list, the chromosome dialog and the OK rules the faces keep.
#include "ChSelectDialog.h"
#include "FileFilter.h"
#include "RecentFileList.h"
#include "SetupDialogFaces.h"
#include "document/SetupDialogs.h"
#include "engine/CAverage.h"
#include "engine/CBaseSet.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "view/CChSelectDlg.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

using namespace varn;

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
    number->setText("11");
    face.accept();
    QVERIFY(face.result() != QDialog::Accepted);
    QVERIFY(!ui.messages.empty());
    number->setText("4");
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
    face.accept();
    QCOMPARE(ui.messages, std::vector<std::string>{"Select one type "});
    face.findChildren<QRadioButton*>()[1]->setChecked(true);
    face.accept();
    QCOMPARE(dialog.sampleType, 2);
}

QTEST_MAIN(DialogFacesTest)
#include "DialogFacesTest.moc"
