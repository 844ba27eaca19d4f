#pragma once
// Keeps the data file in step with the table. The program stays open for
// weeks, so every change is written through at once (the table and the
// paid-leave balance), and once more at exit. A failed write is told to the
// user when it first fails and again at exit, not at every change.
//
// Nothing the user had is lost on the way: a load that could not read some
// records keeps the original file aside before anything replaces it, a
// file changed by another program since this run last read or wrote it is
// taken over day by day before it is replaced, and a year is erased only
// once the file as it was has been kept.

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

namespace zentak {

class Platform;
struct AppState;
struct OutsideChanges;

class RecordStore {
public:
    RecordStore(AppState &state, Platform &platform);

    QString dataFilePath() const;
    // Where the unreadable original was kept; empty when none was needed.
    QString keptOriginalPath() const { return keptOriginal_; }

    // Clears the table and loads the data file; tells the user once about
    // records that could not be read or a file that could not be opened.
    void load();

    // A change of the table: sets the change flags and writes through.
    void tableChanged();

    // The exit: the balance and the file, only when anything changed.
    // Returns false when the records could not be written.
    bool saveAtExit();

    bool lastWriteFailed() const { return lastWriteFailed_; }

    // A setting could not be stored: told once a run, however many fail.
    void tellSettingsNotSaved();

    // Erases every record of the year's slot and writes the file. The file
    // as it was is first copied to Zentak.txt.bak (replacing an earlier
    // copy); when that copy cannot be made, or the erasure cannot be
    // written, nothing is erased and `error` says why.
    struct Erasure {
        bool erased = false;
        QString keptCopy; // empty when there was no file to keep
        QString error;
    };
    Erasure eraseYear(int year);

private:
    bool write();
    bool takeOverOutsideChanges();
    void tellOutsideChanges(const OutsideChanges &changes, const QString &copy);
    bool keepOriginal();
    QString keepAside(const QString &name, const QByteArray &bytes);
    QFileDevice::Permissions dataFilePermissions() const;
    void tellWriteFailure();

    AppState &state_;
    Platform &platform_;
    bool fileUnreadable_ = false;
    // The file as loaded, while it holds records the table lacks and has
    // not been kept aside yet.
    std::optional<QByteArray> originalToKeep_;
    QString keptOriginal_;
    // The file as this run last read or wrote it; none when there was none.
    std::optional<QByteArray> known_;
    bool lastWriteFailed_ = false;
    bool failureTold_ = false;
    bool settingsFailureTold_ = false;
    QString lastError_;
};

} // namespace zentak
