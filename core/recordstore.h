#pragma once
// Keeps the data file in step with the table. The program stays open for
// weeks, so every change is written through at once (the table and the
// paid-leave balance), and once more at exit. A failed write is told to the
// user when it first fails and again at exit, not at every change.
//
// A load that could not read some records keeps the original file aside
// before anything replaces it, so nothing the user had is lost.

#include <QString>

namespace zentak {

class Platform;
struct AppState;

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

    // Before a change that removes many records at once (a year erased):
    // the data file as it is now, copied to Zentak.txt.bak (replacing an
    // earlier copy). path is empty when there was no file to keep; ok is
    // false when the copy could not be made.
    struct Kept {
        bool ok = true;
        QString path;
    };
    Kept keepBeforeErase();

private:
    bool write();
    bool keepOriginal();
    void tellWriteFailure();

    AppState &state_;
    Platform &platform_;
    bool loadedWhole_ = true;   // false: the file holds records the table lacks
    bool fileUnreadable_ = false;
    QString keptOriginal_;
    bool lastWriteFailed_ = false;
    bool failureTold_ = false;
    bool settingsFailureTold_ = false;
    QString lastError_;
};

} // namespace zentak
