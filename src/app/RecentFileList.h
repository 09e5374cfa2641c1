#pragma once

#include <filesystem>
#include <vector>

class QSettings;

namespace varn {

// The File menu's list of recently opened pool files, newest first, kept in the user's settings
// under "Recent File List" as File1, File2, ... like the framework keeps it.
class RecentFileList {
  public:
    explicit RecentFileList(int capacity);

    // Puts the file at the top; a file already listed moves up instead of appearing twice, and
    // the oldest entry drops off a full list.
    void add(const std::filesystem::path& path);
    void remove(int index);
    const std::vector<std::filesystem::path>& entries() const { return entries_; }

    void load(QSettings& settings);
    void save(QSettings& settings) const;

  private:
    int capacity_;
    std::vector<std::filesystem::path> entries_;
};

} // namespace varn
