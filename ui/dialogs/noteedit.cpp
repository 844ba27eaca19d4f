#include "noteedit.h"

#include "fixedtext.h"
#include "storabletext.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace zentak {

namespace {

// Every kind of line break as the one the box holds ("\n").
QString toPlain(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

// The longest start of a plain text that stores in `room` characters, by
// whole characters, a line break costing two.
QString fittedTo(const QString &text, int room)
{
    QString fitted;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const int cost = text[i] == QLatin1Char('\n') ? 2 : 1;
        if (cost > room)
            break;
        fitted += text.mid(i, len);
        room -= cost;
        i += len;
    }
    return fitted;
}

} // namespace

AdmittedNote admitNote(const QString &stored)
{
    const QString plain = toPlain(stored);
    AdmittedNote out;
    out.refused = unstorableCharacters(plain);
    const QString kept = out.refused.isEmpty() ? plain : withoutCharacters(plain, out.refused);
    out.text = fittedTo(kept, NoteEdit::kMaxStored);
    out.text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

QString noteRefusalMessage(const QString &refused)
{
    return QStringLiteral("作業内容に使えない文字があります：「%1」\n"
                          "（ダブルクォーテーションや Shift_JIS にない文字は記録できません）")
        .arg(refused);
}

NoteEdit::NoteEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QString NoteEdit::storedText() const
{
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void NoteEdit::setStoredText(const QString &stored)
{
    setPlainText(toPlain(stored));
    moveCursor(QTextCursor::End);
}

int NoteEdit::storedLength(const QString &plain)
{
    return characterCount(plain) + static_cast<int>(plain.count(QLatin1Char('\n')));
}

int NoteEdit::roomAtCursor() const
{
    return kMaxStored - storedLength(toPlainText()) + storedLength(toPlain(textCursor().selectedText()));
}

QString NoteEdit::admit(const QString &incoming)
{
    const QString plain = toPlain(incoming);
    const QString refused = unstorableCharacters(plain);
    const QString text = refused.isEmpty() ? plain : withoutCharacters(plain, refused);
    const QString fitted = fittedTo(text, roomAtCursor());
    if (!refused.isEmpty() && onRefused_)
        onRefused_(refused);
    return fitted;
}

void NoteEdit::keyPressEvent(QKeyEvent *event)
{
    // A line break of any kind (Shift+Return too) goes in as a plain one,
    // which is stored as CR LF.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QString admitted = admit(QStringLiteral("\n"));
        if (!admitted.isEmpty()) {
            textCursor().insertText(admitted);
            ensureCursorVisible();
        }
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool inserts = !text.isEmpty() && (text[0].isPrint() || text[0].isSurrogate());
    if (!inserts || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const QString admitted = admit(text);
    if (admitted == text) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (!admitted.isEmpty()) {
        textCursor().insertText(admitted);
        ensureCursorVisible();
    }
    event->accept();
}

void NoteEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (event->commitString().isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    const QString admitted = admit(event->commitString());
    QInputMethodEvent changed(event->preeditString(), event->attributes());
    changed.setCommitString(admitted, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&changed);
    event->accept();
}

void NoteEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    const QString admitted = admit(source->text());
    if (!admitted.isEmpty())
        textCursor().insertText(admitted);
    ensureCursorVisible();
}

} // namespace zentak
