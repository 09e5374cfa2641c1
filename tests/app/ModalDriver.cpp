#include "ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

namespace varn::test {

namespace {

constexpr int kPollMs = 15;

} // namespace

QString describeDialog(QWidget* modal) {
    QString text =
        QString::fromLatin1(modal->metaObject()->className()) + " \"" + modal->windowTitle() + "\"";
    if (auto* box = qobject_cast<QMessageBox*>(modal)) text += ": " + box->text();
    return text;
}

ModalDriver::ModalDriver() : timer_(new QTimer(this)) {
    connect(timer_, &QTimer::timeout, this, &ModalDriver::poll);
    timer_->start(kPollMs);
}

ModalDriver::~ModalDriver() = default;

void ModalDriver::expect(const QString& what, Step step) {
    steps_.push_back({what, std::move(step)});
}

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (qobject_cast<QProgressDialog*>(modal) != nullptr) {
        if (lastProgress_ != modal) ++progressDialogsSeen;
        lastProgress_ = modal;
        return;
    }
    for (const QPointer<QWidget>& working : busy_)
        if (working == modal) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) messages << box->text();
    if (steps_.empty()) {
        fail(modal, "no step expected it");
        return;
    }
    busy_.append(modal);
    // A timer's slot is not entered again while it runs, and a step may wait in a nested event
    // loop for the dialogs it opens; so the step runs from its own single-shot timer and this one
    // keeps watching.
    QTimer::singleShot(0, this, [this, guarded = QPointer<QWidget>(modal)] {
        if (guarded) run(guarded);
        busy_.removeAll(guarded);
        busy_.removeAll(nullptr);
    });
}

void ModalDriver::run(QWidget* modal) {
    Pending next = std::move(steps_.front());
    steps_.pop_front();
    if (beforeStep) beforeStep(modal, next.what);
    next.step(modal);
}

QString ModalDriver::report() const {
    QString text = failures.join("\n");
    for (const Pending& step : steps_) text += "\nnever asked: " + step.what;
    return text;
}

void ModalDriver::fail(QWidget* modal, const QString& why) {
    failures << describeDialog(modal) + ": " + why;
    // Closing with Escape's meaning: Cancel for dialogs, the default button for message boxes.
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

QAbstractButton* ModalDriver::button(QWidget* modal, const QString& name) {
    auto* found = modal->findChild<QAbstractButton*>(name);
    if (found == nullptr) failures << describeDialog(modal) + ": no control named " + name;
    return found;
}

void ModalDriver::click(QWidget* modal, const QString& name) {
    if (QAbstractButton* target = button(modal, name))
        target->click();
    else
        fail(modal, "cannot click " + name);
}

void ModalDriver::expectMessage(const QString& text) {
    expect("message \"" + text + "\"", [this, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr || box->text() != text)
            return fail(modal, "expected the message \"" + text + "\"");
        box->button(QMessageBox::Ok)->click();
    });
}

void ModalDriver::expectYesNo(const QString& start, bool yes) {
    expect("yes/no \"" + start + "\"", [this, start, yes](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr || !box->text().startsWith(start) || box->button(QMessageBox::Yes) == nullptr)
            return fail(modal, "expected a yes/no box starting \"" + start + "\"");
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
}

void ModalDriver::expectFile(const QString& title, const std::filesystem::path& file,
                             const std::filesystem::path& folder) {
    expect("file chooser \"" + title + "\"", [this, title, file, folder](QWidget* modal) {
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        if (chooser == nullptr || chooser->windowTitle() != title)
            return fail(modal, "expected the file chooser \"" + title + "\"");
        const QString shown = chooser->directory().absolutePath();
        if (!folder.empty() && shown != QString::fromStdString(folder.string()))
            failures << "\"" + title + "\" opened in " + shown;
        if (file.empty()) return chooser->reject();
        // Typed into the name field, as a person would; an absolute path leaves the folder shown.
        auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
        if (name == nullptr) return fail(modal, "the chooser has no file name field");
        name->setText(QString::fromStdString(file.string()));
        static_cast<QDialog*>(chooser)->accept(); // QFileDialog keeps its override protected
        if (chooser->isVisible())
            fail(modal, "the chooser did not take " + QString::fromStdString(file.string()));
    });
}

} // namespace varn::test
