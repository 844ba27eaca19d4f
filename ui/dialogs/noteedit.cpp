#include "noteedit.h"

#include "fixedtext.h"
#include "storabletext.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace zentak {

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
    setPlainText(withPlainLineBreaks(stored));
    moveCursor(QTextCursor::End);
}

int NoteEdit::storedLength(const QString &plain)
{
    return characterCount(plain) + static_cast<int>(plain.count(QLatin1Char('\n')));
}

int NoteEdit::roomAtCursor() const
{
    return kNoteLength - storedLength(toPlainText()) + storedLength(withPlainLineBreaks(textCursor().selectedText()));
}

QString NoteEdit::admit(const QString &incoming)
{
    const QString plain = withPlainLineBreaks(incoming);
    const QString refused = unstorableCharacters(plain);
    const QString text = refused.isEmpty() ? plain : withoutCharacters(plain, refused);
    const QString fitted = fittedToNote(text, roomAtCursor());
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
