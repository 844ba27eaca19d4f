#pragma once
// The month report on disk: code page 932, CR LF, replaced atomically.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace zentak {

class Platform;
struct AppState;

// The fields of one report line ("f1","f2",...); nullopt when the line is
// not ten quoted fields, or a field holds a double quote.
std::optional<QStringList> splitReportLine(const QString &line);

// The lines as the file holds them. Each line must read back as its ten
// fields and every character must exist in code page 932: a report is never
// written altered.
std::optional<QByteArray> encodeReport(const QStringList &lines, QString *error);

// Replaces the file atomically; on failure nothing half-written is left.
bool writeReportFile(const QString &path, const QStringList &lines, QString *error);

// The report of the month written beside the program; its file name, or
// nullopt when it could not be written (the user is told the file and the
// reason, and nothing should be opened).
std::optional<QString> writeMonthReport(const AppState &state, Platform &platform, int year,
                                        int month);

} // namespace zentak
