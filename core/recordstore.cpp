#include "recordstore.h"

#include "appstate.h"
#include "atomicfile.h"
#include "datafile.h"
#include "platform.h"
#include "storabletext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zentak {

namespace {

QByteArray readAll(const QString &path, bool *ok)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *ok = false;
        return {};
    }
    *ok = true;
    return f.readAll();
}

} // namespace

RecordStore::RecordStore(AppState &state, Platform &platform) : state_(state), platform_(platform) {}

QString RecordStore::dataFilePath() const
{
    return zentak::dataFilePath(platform_.programFolder());
}

void RecordStore::load()
{
    const QString path = dataFilePath();
    const ReadResult read = readDataFile(path, state_.table);
    switch (read.status) {
    case ReadStatus::Missing:
        return;
    case ReadStatus::Unreadable:
        // Writing now would replace records that were never read.
        fileUnreadable_ = true;
        platform_.messageBox(QStringLiteral("記録ファイルを読み込めませんでした。\n%1\n(%2)\n\n"
                                            "このファイルは上書きしません。")
                                 .arg(QDir::toNativeSeparators(path), read.error),
                             state_.messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    case ReadStatus::Read:
        break;
    }
    if (read.parsed.skipped == 0 && read.parsed.replaced == 0)
        return;
    // The file holds records the table does not: unreadable ones, or ones a
    // later record for the same day (three years on) replaced.
    loadedWhole_ = false;
    QString text;
    if (read.parsed.skipped > 0)
        text += QStringLiteral("記録ファイルの %1 件の記録を読み込めませんでした。\n").arg(read.parsed.skipped);
    if (read.parsed.replaced > 0)
        text += QStringLiteral("記録ファイルの %1 件の記録は、同じ月日の後の記録(3年違い)に置き換えました。\n")
                    .arg(read.parsed.replaced);
    if (keepOriginal())
        text += QStringLiteral("元のファイルを次の名前で残しました。\n%1").arg(QDir::toNativeSeparators(keptOriginal_));
    else
        text += QStringLiteral("元のファイルを残せないため、このファイルは上書きしません。\n%1")
                    .arg(QDir::toNativeSeparators(path));
    platform_.messageBox(text, state_.messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}

bool RecordStore::keepOriginal()
{
    if (!keptOriginal_.isEmpty())
        return true;
    const QString path = dataFilePath();
    bool ok = false;
    const QByteArray original = readAll(path, &ok);
    if (!ok)
        return false;
    // Zentak.txt.orig, or .orig.2, .orig.3 ... when an earlier copy differs.
    for (int n = 1; n < 1000; ++n) {
        const QString candidate = n == 1 ? path + QStringLiteral(".orig")
                                         : path + QStringLiteral(".orig.%1").arg(n);
        if (QFileInfo::exists(candidate)) {
            bool same = false;
            if (readAll(candidate, &same) == original && same) {
                keptOriginal_ = candidate;
                return true;
            }
            continue;
        }
        if (QFile::copy(path, candidate)) {
            keptOriginal_ = candidate;
            return true;
        }
        return false;
    }
    return false;
}

RecordStore::Kept RecordStore::keepBeforeErase()
{
    Kept kept;
    const QString path = dataFilePath();
    if (!QFileInfo(path).isFile())
        return kept;
    bool read = false;
    const QByteArray bytes = readAll(path, &read);
    const QString copy = path + QStringLiteral(".bak");
    if (!read || !replaceFile(copy, bytes)) {
        kept.ok = false;
        return kept;
    }
    kept.path = copy;
    return kept;
}

void RecordStore::tableChanged()
{
    state_.dataChanged = true;
    state_.summaryStale = true;
    if (!write() && !failureTold_) {
        failureTold_ = true;
        tellWriteFailure();
    }
}

bool RecordStore::saveAtExit()
{
    if (!state_.dataChanged)
        return true;
    if (write())
        return true;
    tellWriteFailure();
    return false;
}

bool RecordStore::write()
{
    if (!saveYukyu(platform_, state_.settings) && !settingsFailureTold_) {
        settingsFailureTold_ = true;
        platform_.messageBox(kSettingsNotSaved, state_.messageTitle, MsgButtons::Ok,
                             MsgIcon::Exclamation);
    }
    lastWriteFailed_ = true;
    if (fileUnreadable_)
        return false;
    if (!loadedWhole_ && !keepOriginal())
        return false;
    QString error;
    if (!writeDataFile(dataFilePath(), state_.table, &error)) {
        lastError_ = error;
        return false;
    }
    lastWriteFailed_ = false;
    return true;
}

void RecordStore::tellWriteFailure()
{
    QString text = QStringLiteral("記録を書き込めませんでした。\n%1")
                       .arg(QDir::toNativeSeparators(dataFilePath()));
    if (fileUnreadable_)
        text += QStringLiteral("\n(読み込めなかったファイルは上書きしません)");
    else if (!lastError_.isEmpty())
        text += QStringLiteral("\n(%1)").arg(lastError_);
    platform_.messageBox(text, state_.messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace zentak
