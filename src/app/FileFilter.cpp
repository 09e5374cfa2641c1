#include "FileFilter.h"

#include <QStringList>

namespace varn {

QString qtFileFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split('|');
    while (!parts.isEmpty() && parts.back().isEmpty()) parts.removeLast();
    QStringList result;
    for (qsizetype k = 0; k + 1 < parts.size(); k += 2) {
        QString description = parts[k].trimmed();
        const QString written = parts[k + 1].trimmed();
        QStringList patterns = written.split(';', Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == "*.*") p = "*";
        }
        // Qt reads the patterns from the last parentheses of the entry.
        const QString suffix = "(" + written + ")";
        if (description.endsWith(suffix)) description.chop(suffix.size());
        description = description.trimmed();
        result << description + " (" + patterns.join(' ') + ")";
    }
    return result.join(";;");
}

} // namespace varn
