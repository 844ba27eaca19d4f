#pragma once

namespace zentak {

// What this run has told the user already. A failure that meets every
// change after it (a data file that cannot be written, a settings store or a
// journal that cannot take what is written) is told when it first happens,
// not at every change; a failed write again at the exit. The characters a
// default note had to leave out are told the first time. One for the run,
// held by the main window and handed to the dialogs it opens.
class ToldOnce {
public:
    enum class Matter { WriteFailure, SettingsFailure, JournalFailure, DefaultNoteRefusal };
    // True the first time it is asked for the matter.
    bool first(Matter matter)
    {
        const bool was = told_[int(matter)];
        told_[int(matter)] = true;
        return !was;
    }

private:
    bool told_[4] = {};
};

} // namespace zentak
