#include "ProfileOpenFace.h"

#include "commands/CProfileOpen.h"
#include "document/UserInterface.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace varn {

namespace {

constexpr GenomeBuild kBuilds[] = {GenomeBuild::Hg18, GenomeBuild::Hg19, GenomeBuild::Hg38};

} // namespace

ProfileOpenFace::ProfileOpenFace(CProfileOpen& dialog, UserInterface& ui, QWidget* parent)
    : QDialog(parent), dialog_(dialog), ui_(ui) {
    setWindowTitle("Open Profile");
    auto* form = new QFormLayout(this);
    form->addRow("File:", new QLineEdit(QString::fromStdString(dialog.file.filename().string()), this));
    qobject_cast<QLineEdit*>(form->itemAt(0, QFormLayout::FieldRole)->widget())->setReadOnly(true);

    sample_ = new QComboBox(this);
    sample_->setObjectName("sample");
    for (const std::string& s : dialog.samples) sample_->addItem(QString::fromStdString(s));
    sample_->setCurrentIndex(sample_->findText(QString::fromStdString(dialog.sample)));
    sample_->setEnabled(dialog.samples.size() > 1);
    form->addRow("&Sample:", sample_);

    normal_ = fileRow("normal", QString::fromStdString(dialog.normal.string()), "Normal");
    form->addRow("&Normal (optional):", normal_->parentWidget());
    build_ = new QComboBox(this);
    build_->setObjectName("build");
    for (GenomeBuild b : kBuilds) {
        build_->addItem(genomeBuildName(b));
        if (b == dialog.build) build_->setCurrentIndex(build_->count() - 1);
    }
    form->addRow("&Build:", build_);
    pfb_ = fileRow("pfb", QString::fromStdString(dialog.pfb.string()), "Population frequencies");
    form->addRow("&PFB file (optional):", pfb_->parentWidget());

    auto* read = new QPlainTextEdit(this);
    read->setObjectName("read");
    read->setReadOnly(true);
    QString text;
    for (const std::string& line : dialog.read) text += QString::fromStdString(line) + "\n";
    read->setPlainText(text);
    read->setMinimumWidth(480);
    form->addRow("Read:", read);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("1");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("2");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

// A path's line with its Browse button, in a row of their own.
QLineEdit* ProfileOpenFace::fileRow(const char* name, const QString& text, const char* title) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* edit = new QLineEdit(text, row);
    edit->setObjectName(name);
    auto* browse = new QPushButton("Browse...", row);
    layout->addWidget(edit);
    layout->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, [this, edit, title] {
        FileChooserOptions chooser;
        chooser.title = title;
        chooser.initialDirectory = dialog_.file.parent_path();
        chooser.filter = "All Files (*.*)|*.*||";
        if (const auto chosen = ui_.openFile(chooser)) edit->setText(QString::fromStdString(chosen->string()));
    });
    return edit;
}

void ProfileOpenFace::accept() {
    dialog_.sample = sample_->currentText().toStdString();
    dialog_.normal = normal_->text().trimmed().toStdString();
    dialog_.pfb = pfb_->text().trimmed().toStdString();
    dialog_.build = kBuilds[std::max(0, build_->currentIndex())];
    if (dialog_.onOk(ui_)) QDialog::accept();
}

} // namespace varn
