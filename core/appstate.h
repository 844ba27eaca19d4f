#pragma once
// The state that lives from start to exit: the table, the hand-off between
// the windows (cursor, day being edited, flags, cell indices), the settings
// and the common message title. Built once in main and passed by reference.

#include "attendancetable.h"
#include "settings.h"

#include <QString>

namespace zentak {

inline const QString kProductTitle = QStringLiteral("Zentak  ");
inline const QString kVersionText = QStringLiteral("Ver1.3.0");

struct EditDay {
    QString date = QString(10, QLatin1Char(' '));
    QString week = QString(1, QLatin1Char(' '));
};

struct AppState {
    AttendanceTable table;
    CellCursor cursor;
    EditDay editDay;

    bool dataChanged = false;
    bool clockOutMode = false;
    bool calendarStale = false;
    bool summaryStale = false;

    // The user has been told that the default note holds characters a
    // record cannot take (once a run).
    bool defaultNoteTold = false;

    int editLabelIndex = 0;
    int todayLabelIndex = 0;

    Settings settings;
    QString messageTitle = kProductTitle + kVersionText;
};

} // namespace zentak
