#include "RecentFileList.h"

#include <QSettings>
#include <QString>

#include <algorithm>

namespace varn {

namespace {

const char* const kSection = "Recent File List";

QString keyOf(int index) {
    return QString("File%1").arg(index + 1);
}

std::filesystem::path normalised(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return (ec ? path : absolute).lexically_normal();
}

} // namespace

RecentFileList::RecentFileList(int capacity) : capacity_(capacity) {}

void RecentFileList::add(const std::filesystem::path& path) {
    const std::filesystem::path entry = normalised(path);
    entries_.erase(std::remove(entries_.begin(), entries_.end(), entry), entries_.end());
    entries_.insert(entries_.begin(), entry);
    if (static_cast<int>(entries_.size()) > capacity_) entries_.resize(static_cast<std::size_t>(capacity_));
}

void RecentFileList::remove(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return;
    entries_.erase(entries_.begin() + index);
}

void RecentFileList::load(QSettings& settings) {
    entries_.clear();
    settings.beginGroup(kSection);
    for (int i = 0; i < capacity_; ++i) {
        const QString value = settings.value(keyOf(i)).toString();
        if (!value.isEmpty()) entries_.emplace_back(value.toStdString());
    }
    settings.endGroup();
}

void RecentFileList::save(QSettings& settings) const {
    settings.beginGroup(kSection);
    for (int i = 0; i < capacity_; ++i) {
        if (i < static_cast<int>(entries_.size()))
            settings.setValue(keyOf(i),
                              QString::fromStdString(entries_[static_cast<std::size_t>(i)].string()));
        else
            settings.remove(keyOf(i));
    }
    settings.endGroup();
}

} // namespace varn
