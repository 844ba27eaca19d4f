#pragma once
// The work-note box. It keeps out what a record cannot hold (a double quote,
// characters outside code page 932), whether typed, pasted or committed by an
// input method, and holds at most 200 characters as stored, a line break
// being stored as CR LF (two characters). Text set from a record is shown
// as it is.

#include <QPlainTextEdit>

#include <functional>

namespace zentak {

class NoteEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit NoteEdit(QWidget *parent = nullptr);

    // Told the characters that were refused.
    void setRefusalHandler(std::function<void(const QString &refused)> handler)
    {
        onRefused_ = std::move(handler);
    }

    // The text as stored in a record: line breaks as CR LF.
    QString storedText() const;
    void setStoredText(const QString &stored);

    // Length of a text as stored.
    static int storedLength(const QString &plain);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // What of `incoming` may go in at the cursor: refused characters taken
    // out (and told), then cut to the room that is left.
    QString admit(const QString &incoming);
    int roomAtCursor() const;

    std::function<void(const QString &)> onRefused_;
};

} // namespace zentak
