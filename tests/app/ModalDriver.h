#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <deque>
#include <filesystem>
#include <functional>

class QAbstractButton;
class QTimer;
class QWidget;

namespace varn::test {

// Plays the person at the real modal dialogs of the window. Steps are queued in the order the
// dialogs will open; whenever a modal dialog is open that no step is working on, the next step
// gets it. A step may open further dialogs (a chooser button, a refused OK): the steps after it
// answer those while it waits. A dialog nobody expected is closed and reported, so a wrong road
// fails instead of hanging.
class ModalDriver : public QObject {
    Q_OBJECT
  public:
    using Step = std::function<void(QWidget* modal)>;

    ModalDriver();
    ~ModalDriver() override;

    void expect(const QString& what, Step step);
    // A message box whose text is exactly text, answered with OK.
    void expectMessage(const QString& text);
    // A Yes/No box whose text starts with start; answered Yes or No.
    void expectYesNo(const QString& start, bool yes);
    // A file chooser with that title, opened in folder when one is given; answered with the file
    // (an empty path cancels it).
    void expectFile(const QString& title, const std::filesystem::path& file,
                    const std::filesystem::path& folder = {});

    // Every step has run and nothing went wrong.
    bool finished() const { return steps_.empty() && failures.isEmpty(); }
    QString report() const;

    QStringList failures;
    QStringList messages; // the text of every message box seen, in order
    // Progress dialogs only report and ask nothing: they are counted, not answered.
    int progressDialogsSeen = 0;
    // Called with each dialog just before its step answers it (screenshots).
    std::function<void(QWidget* modal, const QString& what)> beforeStep;

    // Tools for steps: the control with that object name (a failure is recorded when it is
    // missing), a click on it, and giving up on a dialog.
    QAbstractButton* button(QWidget* modal, const QString& name);
    void click(QWidget* modal, const QString& name);
    void fail(QWidget* modal, const QString& why);

  private:
    void poll();
    void run(QWidget* modal);

    struct Pending {
        QString what;
        Step step;
    };
    std::deque<Pending> steps_;
    QList<QPointer<QWidget>> busy_;
    QPointer<QWidget> lastProgress_;
    QTimer* timer_;
};

// A describing line for failure reports: the dialog's class, title and text.
QString describeDialog(QWidget* modal);

} // namespace varn::test
