// Small widgets that stand in for the controls of a form toolkit: an image that owns a bitmap,
// a page control whose tabs can be hidden without changing the page shown, a panel with or
// without its bevel, memos that pass Tab on, and the memo text as the tables read it.
#pragma once

#include <QFrame>
#include <QImage>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

#include <functional>

// An image control: owns a bitmap and paints it, scaled to the control when stretched.
class ImageWidget : public QWidget {
    Q_OBJECT
public:
    explicit ImageWidget(QWidget* parent = nullptr);
    // The bitmap, with any drawing still to be made on it made first.
    QImage& Bitmap();
    const QImage& Bitmap() const;
    // Gives the bitmap this size in logical pixels (white) at the control's device pixel ratio,
    // unless it has both already. Drawing on it is in logical pixels; at 200 % it holds twice as
    // many pixels each way, so that its text and lines are as sharp as the toolkit's own.
    void SetBitmapSize(int width, int height);
    void SetPicture(const QImage& picture);
    void SetStretch(bool stretch) { stretch_ = stretch; }
    // Makes the drawing on the bitmap when it is first needed, painted or read, rather than
    // now: a page on a hidden view costs nothing until it is shown. The drawing must cover the
    // whole bitmap, since a later one replaces it unmade; it gets its data now, by value.
    void DrawWhenNeeded(std::function<void(QImage&)> draw);
    // As above, on a bitmap given this size (as SetBitmapSize does) only when the drawing is
    // made: a page on a hidden view takes no memory either until it is shown.
    void DrawWhenNeeded(int width, int height, std::function<void(QImage&)> draw);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void MakePendingDrawing() const;

    mutable QImage bitmap_;
    mutable std::function<void(QImage&)> pending_;
    bool stretch_ = false;
};

// A page control: pages on a stack, with a tab strip whose tabs can each be hidden. Hiding or
// showing a tab never changes the active page; a click on a visible tab does, and so does a tab
// made current from the keyboard. The pages sit
// inside the control's frame, kPageInset pixels from each side, with or without tabs.
class PageControl : public QWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);
    void AddPage(QWidget* page, const QString& caption);
    int PageCount() const { return stack_->count(); }
    QWidget* Page(int index) const { return stack_->widget(index); }
    QWidget* ActivePage() const { return stack_->currentWidget(); }
    void SetActivePage(QWidget* page);
    bool TabVisible(int index) const { return tabs_->isTabVisible(index); }
    void SetTabVisible(int index, bool visible);
    QTabBar* TabBar() const { return tabs_; }
    // Shows the page's tab as its caption followed by mark (none when mark is empty).
    void SetCaptionMark(QWidget* page, const QString& mark);
    void SetTabToolTip(QWidget* page, const QString& tip);

    static constexpr int kPageInset = 4;

private:
    void SyncTabBar();

    QTabBar* tabs_;
    QStringList captions_;
    QWidget* body_;
    QStackedWidget* stack_;
};

// A panel of the layout: "panel" has the raised bevel of one pixel, light above and on the left,
// shadow below and on the right, and its children sit inside it; "no bevel" is a plain area.
enum class Bevel { None, Raised };
QFrame* MakePanel(QWidget* parent, Bevel bevel);

// The arrow buttons with which a tab strip scrolls its tabs are no Tab stops.
void KeepScrollArrowsOutOfTabChain(QTabBar* tabs);

// Makes Tab and Ctrl+Tab in a memo move the focus on (Shift+Tab back) instead of typing a tab
// character, as multi-line fields of a form toolkit do unless they are made to take tabs.
void PassTabOn(QPlainTextEdit* memo);

// A memo's text as the tables read it: lines separated by "\n", every character kept as typed
// (no-break spaces included, which the editor's plain-text export would turn into spaces).
QString MemoText(const QPlainTextEdit* memo);
// The text of a table's editor kept in step with every change of its document, lines ended by
// the editor's own separators (see IsLineEnd). A scan of a long table reads it in place instead
// of having the document piece its fragments together again at every recalculation: it holds
// the table itself, never a result, so nothing derived from the table outlives an event.
class EditorText : public QObject {
    Q_OBJECT
public:
    explicit EditorText(QPlainTextEdit* memo);
    QStringView Text() const { return QStringView(text_).chopped(1); }

private:
    void Follow(int position, int removed, int added);

    QTextDocument* document_;
    QString text_;  // the document's characters, its closing paragraph separator included
};
