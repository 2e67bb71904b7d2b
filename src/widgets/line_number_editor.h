// A table's editor with the numbers of its lines in a gutter on the left, so that a line named
// by the data check ("GGWeights.Dat:34: ...") can be found by eye. The gutter only reads the
// editor: its text, its change signals and the bytes saved from it are those of a plain memo.
#pragma once

#include <QPlainTextEdit>

class LineNumberEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LineNumberEditor(QWidget* parent = nullptr);

    // The gutter's width for the editor's present number of lines.
    int GutterWidth() const;
    QWidget* Gutter() const { return gutter_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class LineNumberGutter;
    void FitGutterWidth();
    void FollowUpdate(const QRect& rect, int dy);
    void PaintGutter(QPaintEvent* event);

    QWidget* gutter_;
    int digits_ = 0;
};

// Selects line (from 0) of the editor, or its last line when it has fewer, and shows it in the
// middle of the editor. Moves the cursor only: the text and its modified flag stay as they are.
void SelectEditorLine(QPlainTextEdit* editor, int line);
