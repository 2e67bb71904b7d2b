// The one owner of a data table's text and its memo. Building the editor's document costs far
// more than reading the table (a block per line), and the data pages stay hidden until asked
// for, so the text is held here and the memo is filled only when it is first revealed: shown
// on screen, given the focus or typed into, or asked for through Editor(). Every reader goes
// through this object, so what it reads is the same before and after, and filling the memo is
// no change: no change signal, the document unmodified, as if the text had been set at start.
#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

class EditorText;
class QPlainTextEdit;

class TableText : public QObject {
    Q_OBJECT
public:
    // Takes the memo's table with text as its content; the memo stays empty until revealed.
    TableText(QPlainTextEdit* memo, const QString& text);

    // The table object of a memo, or nullptr when the memo holds no table.
    static TableText* Of(const QPlainTextEdit* memo);

    // Replaces the whole table, as setting the memo's text does: the change signal follows,
    // the document is left unmodified. Line breaks are held as "\n", as PlainText() gives them.
    void SetText(const QString& text);

    // The table's text with its lines separated by "\n": what the tables read and save.
    QString PlainText() const;
    // The same characters for a scan in place: lines are ended by "\n" or by the editor's own
    // separators (see IsLineEnd); valid until the next change.
    QStringView Text() const;

    // The memo, filled first: for anything that works on the editor itself.
    QPlainTextEdit* Editor();
    bool Filled() const { return follower_ != nullptr; }

signals:
    // Every change of the table: SetText, and every edit in the memo once it is filled.
    void Changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    void FillIfStillShown();
    void MemoTextChanged();

    QPlainTextEdit* memo_;
    QString held_;                    // the text while the memo is not filled
    EditorText* follower_ = nullptr;  // the memo's text, edit by edit, once it is filled
    bool filling_ = false;
};

// The text as a plain-text editor holds it, read back with "\n" line breaks: a CR LF pair, a
// lone CR and the editor's paragraph, line and frame marks each become one "\n".
QString TextAsEditorHoldsIt(const QString& text);
