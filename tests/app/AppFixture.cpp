#include "AppFixture.h"

#include "document/CVARNDoc.h"

#include <QSettings>
#include <QString>

#include <cstdio>

namespace varn::test {

AppFixture::AppFixture(const std::vector<std::filesystem::path>& files, const std::function<void(ScriptedUi&)>& script) {
    if (script) script(ui);
    std::filesystem::create_directories(root());
    const QString settingsFolder = QString::fromStdString((folder / "settings").string());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder);
    app = std::make_unique<CVARNApp>(InstallRoot(root()), ui);
    started = app->InitInstance(files);
    // The empty root has no annotation tables; their reports are not what the tests look at.
    ui.messages.clear();
}

void writePool(CVARNDoc& doc, int t, int references, const std::filesystem::path& path) {
    const std::filesystem::path savedPath = doc.pathName;
    const int savedType = doc.arrayType;
    const int savedCount = doc.refCount[t];
    doc.arrayType = t;
    doc.refCount[t] = references + 1;
    for (int row = 1; row <= references; ++row) {
        std::snprintf(doc.poolSampleName[t][row], kNameSize, "ref%d", row);
        doc.poolRowMean[t][row] = 100.0f * static_cast<float>(row);
        for (int snp = doc.snpFirst[t]; snp <= doc.snpLast[t]; ++snp)
            doc.poolSignal[row][snp] = static_cast<float>(row);
    }
    doc.OnSaveDocument(path);
    doc.arrayType = savedType;
    doc.refCount[t] = savedCount;
    doc.pathName = savedPath;
}

} // namespace varn::test
