#pragma once

#include "CVARNApp.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace varn::test {

// The whole window over an empty installation root (root/VARN, so the view-file folder
// root/"VARN View" stays inside the temporary folder), answered by a scripted interface. The
// user settings are redirected into the temporary folder before the application reads them.
struct AppFixture {
    TempDir folder;
    ScriptedUi ui;
    std::unique_ptr<CVARNApp> app;

    // script queues the answers the start-up asks for (a profile argument's dialog).
    explicit AppFixture(const std::vector<std::filesystem::path>& files = {},
                        const std::function<void(ScriptedUi&)>& script = {});
    std::filesystem::path root() const { return folder / "VARN"; }
    bool started = false;
};

// Writes a reference pool file of the array type with the given number of references through
// the document's own save path.
void writePool(CVARNDoc& doc, int t, int references, const std::filesystem::path& path);

} // namespace varn::test
