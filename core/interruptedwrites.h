#pragma once
// Files that writes cut short by a kill leave behind: a file replaced whole
// is written under a temporary name beside it and renamed over it at the
// end ("<name>.zentak-new-XXXXXX", atomicfile.h). A kill in between leaves
// the temporary file, which nothing reads and nothing else removes.

#include <QStringList>
#include <QStringView>

#include <functional>

namespace zentak {

struct RemovedFiles {
    QStringList removed; // paths
    QStringList failed;  // "path (reason)", or the folder when it cannot be read
};

// Removes the regular files of the folder (not links, not folders) whose
// names the test accepts; never any other file.
RemovedFiles removeFilesNamed(const QString &folder, const std::function<bool(QStringView)> &isLeftover);

// True for "<name><mark><six letters or digits>" where `isReplaced` accepts
// the name: what a write of that file leaves when it is cut short.
bool isTemporaryNameOf(QStringView name, const std::function<bool(QStringView)> &isReplaced);
// "N" of a copy's number: digits only, at least one.
bool isNumber(QStringView text);

// The program folder's leftovers: of the data file, a month report, the
// journal, and the copies kept beside them.
RemovedFiles removeInterruptedWrites(const QString &programFolder);

} // namespace zentak
