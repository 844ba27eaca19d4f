#pragma once
// Opening a written report in the program the desktop associates with its
// type. The path reaches the program as one argument, never through a shell.

#include <QString>

namespace zentak {

class Platform;

struct ReportOpening {
    enum class Result { Opened, Missing, NoProgram, NotStarted };
    Result result = Result::Opened;
    QString program; // the associated program, when one was found
};
ReportOpening openReport(Platform &platform, const QString &folder, const QString &name);

} // namespace zentak
