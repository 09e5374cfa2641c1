#include "cli/CliPlot.h"

#include "canvas/PictureWriter.h"
#include "canvas/ProfilePictureWriter.h"
#include "canvas/ProfileReportWriter.h"
#include "canvas/RenderCohortPage.h"
#include "canvas/RenderPurityCurve.h"
#include "canvas/RenderPurityMap.h"
#include "canvas/RenderToImage.h"
#include "canvas/ReportWriter.h"
#include "document/CVARNDoc.h"
#include "document/UserInterface.h"
#include "view/CVARNView.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace varn::cli {

namespace {

// Text needs Qt's font database, which lives in a GUI application object; the offscreen platform
// gives one without a display.
void ensureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    // Standard error carries the program's message boxes alone; Qt's own remarks about the
    // platform are not among them. Only its critical reports get through.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    static int argc = 3;
    static char name[] = "varn-cli", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // Ended when the process exits, before Qt's own static objects go (they were made earlier),
    // so that the font database it opened is closed in order.
    static QGuiApplication* application = nullptr;
    application = new QGuiApplication(argc, argv);
    std::atexit([] { delete application; });
}

} // namespace

bool plotDisplay(CVARNView& view, const std::filesystem::path& file, const PictureOptions& options,
                 std::string& error) {
    ensureGuiApplication();
    view.OnMonitorView();
    if (!writePicture(view, file, options)) {
        error = "the plot " + file.string() + " could not be written";
        return false;
    }
    view.GetDocument().ui().fileWritten("Wrote", file);
    return true;
}

bool writeReportFile(CVARNView& view, const SampleReport& report, const std::filesystem::path& file,
                     std::string& error) {
    ensureGuiApplication();
    if (!writeReport(view, report, file)) {
        error = "the report " + file.string() + " could not be written";
        return false;
    }
    view.GetDocument().ui().fileWritten("Wrote", file);
    return true;
}

bool plotPurityCurve(const PurityEstimate& estimate, const std::filesystem::path& file, std::string& error) {
    ensureGuiApplication();
    if (!renderPurityCurve(estimate, file)) {
        error = "the plot " + file.string() + " could not be written";
        return false;
    }
    return true;
}

bool plotPurityMap(const PurityPloidyFit& fit, const std::filesystem::path& file, std::string& error) {
    ensureGuiApplication();
    if (!renderPurityMap(fit, file)) {
        error = "the plot " + file.string() + " could not be written";
        return false;
    }
    return true;
}

bool plotCohort(const CVARNDoc& doc, const CohortSummary& summary, const std::filesystem::path& file,
                std::string& error) {
    ensureGuiApplication();
    if (!renderCohortPage(doc, summary, file)) {
        error = "the plot " + file.string() + " could not be written";
        return false;
    }
    return true;
}

namespace {

bool confirmed(bool written, const std::string& what, const std::filesystem::path& file, UserInterface& ui,
               std::string& error) {
    if (!written) {
        error = what + " " + file.string() + " could not be written";
        return false;
    }
    ui.fileWritten("Wrote", file);
    return true;
}

} // namespace

bool plotProfileGenome(const ProfilePicture& picture, const std::filesystem::path& file,
                       const PictureOptions& options, UserInterface& ui, std::string& error) {
    ensureGuiApplication();
    return confirmed(writeProfileGenomePicture(picture, file, options), "the plot", file, ui, error);
}

bool plotProfileChromosome(const ProfilePicture& picture, int chromosome, const std::filesystem::path& file,
                           const PictureOptions& options, UserInterface& ui, std::string& error) {
    ensureGuiApplication();
    return confirmed(writeProfileChromosomePicture(picture, chromosome, file, options), "the plot", file, ui,
                     error);
}

bool writeProfileReportFile(const ProfilePicture& picture, const ProfileReport& report,
                            const std::filesystem::path& file, UserInterface& ui, std::string& error) {
    ensureGuiApplication();
    return confirmed(writeProfileReport(picture, report, file), "the report", file, ui, error);
}

} // namespace varn::cli
