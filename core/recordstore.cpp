#include "recordstore.h"

#include "appstate.h"
#include "atomicfile.h"
#include "datafile.h"
#include "outsidechanges.h"
#include "platform.h"
#include "storabletext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zentak {

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
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
                                 .arg(native(path), read.error),
                             state_.messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    case ReadStatus::Read:
        break;
    }
    known_ = read.bytes;
    if (read.parsed.skipped == 0 && read.parsed.replaced == 0)
        return;
    // The file holds records the table does not: unreadable ones, or ones a
    // later record for the same day (three years on) replaced.
    originalToKeep_ = read.bytes;
    QString text;
    if (read.parsed.skipped > 0)
        text += QStringLiteral("記録ファイルの %1 件の記録を読み込めませんでした。\n").arg(read.parsed.skipped);
    if (read.parsed.replaced > 0)
        text += QStringLiteral("記録ファイルの %1 件の記録は、同じ月日の後の記録(3年違い)に置き換えました。\n")
                    .arg(read.parsed.replaced);
    if (keepOriginal())
        text += QStringLiteral("元のファイルを次の名前で残しました。\n%1").arg(native(keptOriginal_));
    else
        text += QStringLiteral("元のファイルを残せないため、このファイルは上書きしません。\n%1")
                    .arg(native(path));
    platform_.messageBox(text, state_.messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}

QFileDevice::Permissions RecordStore::dataFilePermissions() const
{
    const QFileDevice::Permissions own = QFile::permissions(dataFilePath());
    return own ? own : QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

QString RecordStore::keepAside(const QString &name, const QByteArray &bytes)
{
    // name, or name.2, name.3 ... when an earlier copy differs; an identical
    // earlier copy is kept as it is.
    for (int n = 1; n < 1000; ++n) {
        const QString candidate = n == 1 ? name : QStringLiteral("%1.%2").arg(name).arg(n);
        if (QFileInfo::exists(candidate)) {
            QByteArray earlier;
            if (readWholeFile(candidate, &earlier) && earlier == bytes)
                return candidate;
            continue;
        }
        // As private as the data file.
        return replaceFile(candidate, bytes, &lastError_, dataFilePermissions()) ? candidate : QString();
    }
    return {};
}

bool RecordStore::keepOriginal()
{
    if (!originalToKeep_)
        return true;
    keptOriginal_ = keepAside(dataFilePath() + QStringLiteral(".orig"), *originalToKeep_);
    if (keptOriginal_.isEmpty())
        return false;
    originalToKeep_.reset();
    return true;
}

RecordStore::Erasure RecordStore::eraseYear(int year)
{
    Erasure result;
    const QString path = dataFilePath();
    // Changes made outside come in first, so that they are in the kept copy
    // and a failed write below can put the table back as it was.
    if (!fileUnreadable_ && !takeOverOutsideChanges()) {
        result.error = QStringLiteral("記録ファイルを確かめられないため、削除しませんでした。\n%1\n(%2)")
                           .arg(native(path), lastError_);
        return result;
    }
    if (QFileInfo::exists(path)) {
        const QString copy = path + QStringLiteral(".bak");
        QByteArray bytes;
        QString error;
        if (!readWholeFile(path, &bytes, &error) || !replaceFile(copy, bytes, &error, dataFilePermissions())) {
            result.error = QStringLiteral("削除前の記録ファイルを残せないため、削除しませんでした。\n%1\n(%2)")
                               .arg(native(copy), error);
            return result;
        }
        result.keptCopy = copy;
    }
    const AttendanceTable before = state_.table;
    zentak::eraseYear(state_.table, year);
    if (!write()) {
        state_.table = before;
        result.error = QStringLiteral("記録ファイルに書き込めないため、削除しませんでした。\n%1\n(%2)")
                           .arg(native(path), lastError_);
        return result;
    }
    state_.dataChanged = true;
    state_.summaryStale = true;
    state_.calendarStale = true;
    result.erased = true;
    return result;
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

bool RecordStore::takeOverOutsideChanges()
{
    const QString path = dataFilePath();
    // A file gone since holds nothing that could be lost.
    if (!QFileInfo::exists(path))
        return true;
    QByteArray now;
    if (!readWholeFile(path, &now, &lastError_))
        return false;
    if (known_ && now == *known_)
        return true;
    const OutsideChanges changes = zentak::takeOverOutsideChanges(state_.table, known_.value_or(QByteArray()), now);
    QString copy;
    if (changes.needsCopy()) {
        copy = keepAside(path + QStringLiteral(".other"), now);
        if (copy.isEmpty())
            return false;
    }
    known_ = now;
    state_.summaryStale = true;
    state_.calendarStale = true;
    tellOutsideChanges(changes, copy);
    return true;
}

void RecordStore::tellOutsideChanges(const OutsideChanges &changes, const QString &copy)
{
    QString text = QStringLiteral("記録ファイルが、このプログラムの外で変更されていました。");
    if (changes.takenOver > 0)
        text += QStringLiteral("\n外で変更された %1 日分の記録を取り込みました。").arg(changes.takenOver);
    if (changes.changedBoth > 0)
        text += QStringLiteral("\n%1 日分は両方で変更されていたため、こちらの記録を残しました。").arg(changes.changedBoth);
    if (changes.removedOutside > 0)
        text += QStringLiteral("\n外のファイルになかった %1 日分の記録は残しました。").arg(changes.removedOutside);
    if (changes.unreadable > 0)
        text += QStringLiteral("\n外のファイルの %1 件の記録は読み込めませんでした。").arg(changes.unreadable);
    if (!copy.isEmpty())
        text += QStringLiteral("\n外のファイルを次の名前で残しました。\n%1").arg(native(copy));
    platform_.messageBox(text, state_.messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}

bool RecordStore::write()
{
    if (!saveYukyu(platform_, state_.settings))
        tellSettingsNotSaved();
    lastWriteFailed_ = true;
    if (fileUnreadable_) {
        lastError_ = QStringLiteral("読み込めなかったファイルは上書きしません");
        return false;
    }
    if (!keepOriginal() || !takeOverOutsideChanges())
        return false;
    const SerializeResult serialized = serializeTable(state_.table);
    if (!serialized.ok) {
        lastError_ = serialized.error;
        return false;
    }
    if (!replaceFile(dataFilePath(), serialized.bytes, &lastError_))
        return false;
    known_ = serialized.bytes;
    lastWriteFailed_ = false;
    return true;
}

void RecordStore::tellSettingsNotSaved()
{
    if (settingsFailureTold_)
        return;
    settingsFailureTold_ = true;
    platform_.messageBox(kSettingsNotSaved, state_.messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}

void RecordStore::tellWriteFailure()
{
    QString text = QStringLiteral("記録を書き込めませんでした。\n%1").arg(native(dataFilePath()));
    if (!lastError_.isEmpty())
        text += QStringLiteral("\n(%1)").arg(lastError_);
    platform_.messageBox(text, state_.messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace zentak
