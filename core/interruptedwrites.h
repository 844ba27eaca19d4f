#pragma once
// Files that writes cut short by a kill leave behind: a file replaced whole
// is written under a temporary name beside it and renamed over it at the
// end ("<name>.zentak-new-XXXXXX", atomicfile.h). A kill in between leaves
// the temporary file, which nothing reads and nothing else removes.

#include <QList>
#include <QRegularExpression>
#include <QStringList>

namespace zentak {

struct RemovedFiles {
    QStringList removed; // paths
    QStringList failed;  // "path (reason)", or the folder when it cannot be read
};

// Removes the regular files of the folder (not links, not folders) whose
// whole names match one of the patterns; never any other file.
RemovedFiles removeFilesNamed(const QString &folder, const QList<QRegularExpression> &names);

// The program folder's leftovers: of the data file, a month report, and the
// copies kept beside the data file.
RemovedFiles removeInterruptedWrites(const QString &programFolder);

} // namespace zentak
