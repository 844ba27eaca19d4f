#include "reportopening.h"

#include "platform.h"

#include <QDir>

namespace zentak {

ReportOpening openReport(Platform &platform, const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name);
    if (!platform.fileExists(path))
        return {ReportOpening::Result::Missing, {}};
    const QString program = platform.associatedProgram(path);
    if (program.isEmpty())
        return {ReportOpening::Result::NoProgram, {}};
    if (!platform.startProgram(program, {QDir::toNativeSeparators(path)}))
        return {ReportOpening::Result::NotStarted, program};
    return {ReportOpening::Result::Opened, program};
}

} // namespace zentak
