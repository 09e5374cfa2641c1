// The genome browser that point inspection links to comes from the user's settings, beside the
// recent-file list, and falls back to the public browser.
#include "CVARNApp.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "view/CVARNView.h"
#include "view/GenomeBrowserLink.h"

#include <QSettings>
#include <QTest>

#include <memory>

using namespace varn;

namespace {

// An application started over an empty root with the user settings kept in the folder; the
// given browser keys are written first (an empty value writes nothing).
struct StartedApp {
    test::TempDir folder;
    test::ScriptedUi ui;
    std::unique_ptr<CVARNApp> app;

    StartedApp(const QString& host, const QString& session) {
        const QString settingsFolder = QString::fromStdString((folder / "settings").string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder);
        {
            QSettings settings("Local AppWizard-Generated Applications", "VARN");
            settings.clear();
            if (!host.isEmpty()) settings.setValue("Genome Browser/Host", host);
            if (!session.isEmpty()) settings.setValue("Genome Browser/Session", session);
        }
        std::filesystem::create_directories(folder / "VARN");
        app = std::make_unique<CVARNApp>(InstallRoot(folder / "VARN"), ui);
        app->InitInstance({});
    }
};

} // namespace

class BrowserSiteTest : public QObject {
    Q_OBJECT
  private slots:
    void withoutSettingsThePublicBrowser();
    void hostAndSessionFromTheSettings();
    void aHostAloneKeepsTheDefaultSession();
};

void BrowserSiteTest::withoutSettingsThePublicBrowser() {
    StartedApp started("", "");
    const GenomeBrowserSite defaults;
    QCOMPARE(started.app->view().browserSite.host, defaults.host);
    QCOMPARE(started.app->view().browserSite.session, defaults.session);
}

void BrowserSiteTest::hostAndSessionFromTheSettings() {
    StartedApp started("mirror.lab.example", "87654321");
    QCOMPARE(started.app->view().browserSite.host, std::string("mirror.lab.example"));
    QCOMPARE(started.app->view().browserSite.session, std::string("87654321"));
}

void BrowserSiteTest::aHostAloneKeepsTheDefaultSession() {
    StartedApp started("mirror.lab.example", "");
    QCOMPARE(started.app->view().browserSite.host, std::string("mirror.lab.example"));
    QCOMPARE(started.app->view().browserSite.session, GenomeBrowserSite{}.session);
}

QTEST_MAIN(BrowserSiteTest)
#include "BrowserSiteTest.moc"
